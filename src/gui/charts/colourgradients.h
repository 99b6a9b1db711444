#pragma once

#include "customplot.h"

#include <QStringList>

namespace vantrel {

/// The gradients a colour map can take, by their names in the chart editor;
/// the first, a perceptually uniform one, is the default.
QStringList ColourGradientNames();
/// Gradient `index` of ColourGradientNames() (the first for an unknown
/// index); cells without a reading show transparent in every one.
QCPColorGradient ColourGradientAt(int index);

}  // namespace vantrel
