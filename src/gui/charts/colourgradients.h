#pragma once

#include "charts/customplot.h"

#include <QStringList>

namespace vantrel {

/// The gradients a colour map can take, by their names in the chart editor;
/// the first, a perceptually uniform one, is the default.
QStringList colourGradientNames();
/// Gradient `index` of colourGradientNames() (the first for an unknown
/// index); cells without a reading show transparent in every one.
QCPColorGradient colourGradientAt(int index);

}  // namespace vantrel
