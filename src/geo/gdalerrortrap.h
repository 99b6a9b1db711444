#pragma once

#include <string>

namespace vantrel::geo {

/// Makes GDAL's drivers known, once per process; every entry point of this
/// library calls it.
void RegisterGdalDrivers();

/// Catches GDAL's messages on this thread while it lives, instead of letting
/// GDAL print them, so a failure can name GDAL's reason.
class GdalErrorTrap {
public:
    GdalErrorTrap();
    ~GdalErrorTrap();
    GdalErrorTrap(const GdalErrorTrap&) = delete;
    GdalErrorTrap& operator=(const GdalErrorTrap&) = delete;

    /// The last failure GDAL reported (warnings are kept only when there is
    /// no failure), or `fallback` when it said nothing.
    std::string Reason(const std::string& fallback) const;
    /// Whether GDAL reported a failure (not only a warning).
    bool Failed() const { return m_failed; }

private:
    static void Handle(int severity, int number, const char* text);

    std::string m_failure;
    std::string m_warning;
    bool m_failed = false;
};

}  // namespace vantrel::geo
