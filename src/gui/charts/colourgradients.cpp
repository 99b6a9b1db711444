#include "charts/colourgradients.h"

#include <QCoreApplication>

namespace vantrel {

namespace {

QCPColorGradient viridis()
{
    // Ten samples of the viridis map: even lightness steps from dark violet to yellow.
    static const char* const kStops[] = {"#440154", "#482878", "#3e4989", "#31688e", "#26828e",
                                         "#1f9e89", "#35b779", "#6ece58", "#b5de2b", "#fde725"};
    QCPColorGradient g;
    g.clearColorStops();
    const int n = static_cast<int>(std::size(kStops));
    for (int i = 0; i < n; ++i)
        g.setColorStopAt(i / double(n - 1), QColor(QLatin1String(kStops[i])));
    g.setColorInterpolation(QCPColorGradient::ciRGB);
    return g;
}

}  // namespace

QStringList colourGradientNames()
{
    return {QCoreApplication::translate("ColourGradients", "Viridis"),
            QCoreApplication::translate("ColourGradients", "Greyscale"),
            QCoreApplication::translate("ColourGradients", "Thermal"),
            QCoreApplication::translate("ColourGradients", "Hot"),
            QCoreApplication::translate("ColourGradients", "Jet"),
            QCoreApplication::translate("ColourGradients", "Spectrum")};
}

QCPColorGradient colourGradientAt(int index)
{
    QCPColorGradient g;
    switch (index) {
    case 1: g.loadPreset(QCPColorGradient::gpGrayscale); break;
    case 2: g.loadPreset(QCPColorGradient::gpThermal); break;
    case 3: g.loadPreset(QCPColorGradient::gpHot); break;
    case 4: g.loadPreset(QCPColorGradient::gpJet); break;
    case 5: g.loadPreset(QCPColorGradient::gpSpectrum); break;
    default: g = viridis(); break;
    }
    g.setNanHandling(QCPColorGradient::nhTransparent);
    return g;
}

}  // namespace vantrel
