#include "gdalerrortrap.h"

#include <cpl_error.h>
#include <gdal.h>
#include <ogr_api.h>

#include <mutex>

namespace vantrel::geo {

void RegisterGdalDrivers()
{
    static std::once_flag once;
    std::call_once(once, [] {
        GDALAllRegister();
        OGRRegisterAll();
    });
}

GdalErrorTrap::GdalErrorTrap()
{
    RegisterGdalDrivers();
    CPLPushErrorHandlerEx(
        [](CPLErr severity, CPLErrorNum number, const char* text) {
            Handle(static_cast<int>(severity), static_cast<int>(number), text);
        },
        this);
}

GdalErrorTrap::~GdalErrorTrap()
{
    CPLPopErrorHandler();
}

void GdalErrorTrap::Handle(int severity, int, const char* text)
{
    auto* self = static_cast<GdalErrorTrap*>(CPLGetErrorHandlerUserData());
    if (!self)
        return;
    if (!text)
        text = "";
    if (severity >= CE_Failure) {
        self->m_failure = text;
        self->m_failed = true;
    } else if (severity == CE_Warning)
        self->m_warning = text;
}

std::string GdalErrorTrap::Reason(const std::string& fallback) const
{
    if (!m_failure.empty())
        return m_failure;
    if (!m_warning.empty())
        return m_warning;
    return fallback;
}

}  // namespace vantrel::geo
