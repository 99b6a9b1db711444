#pragma once

namespace vantrel {

/// The five processing settings, always kept and copied in this order.
struct ProcessingSettings {
    float m_fDeviationFactor = 3.0f;   ///< bad point correction
    float m_fResistivity = 20.0f;      ///< depth calculation, ohm-metres
    float m_fDepthCoefficient = 0.7f;  ///< depth calculation
    float m_fPThreshold = 0.3f;        ///< plane profile shading
    float m_fVThreshold = 0.3f;        ///< vertical profile shading

    bool operator==(const ProcessingSettings&) const = default;
};

}  // namespace vantrel
