#include "StandInLibrary.h"

#include "OptionalLibrary.h"
#include "PlatformPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <dlfcn.h>

#include <cstdint>
#include <stdexcept>

namespace
{
QString baseName(StandInLibrary::Kind kind)
{
    return kind == StandInLibrary::Kind::Commands ? QStringLiteral("PrtCommandsDll")
                                                  : QStringLiteral("PrtLangDll");
}

QString builtLibrary(StandInLibrary::Kind kind, StandInLibrary::Variant variant)
{
    const QString variantFolder = variant == StandInLibrary::Variant::Full
                                      ? QStringLiteral(PRT_STANDIN_DIR "/full/")
                                      : QStringLiteral(PRT_STANDIN_DIR "/partial/");
    return OptionalLibrary::beside(variantFolder, baseName(kind));
}

QString installCopy(StandInLibrary::Kind kind, StandInLibrary::Variant variant,
                    const QString &programFolder)
{
    const QString target = OptionalLibrary::beside(programFolder, baseName(kind));
    QDir().mkpath(QFileInfo(target).path());
    if (!QFile::copy(builtLibrary(kind, variant), target))
        throw std::runtime_error("cannot copy the stand-in library to " + target.toStdString());
    return target;
}
} // namespace

StandInLibrary::StandInLibrary(Kind kind, Variant variant, const QString &programFolder)
    : m_handle(dlopen(QFile::encodeName(installCopy(kind, variant, programFolder)).constData(),
                      RTLD_NOW | RTLD_LOCAL))
{
    if (!m_handle)
        throw std::runtime_error(dlerror());
}

StandInLibrary::~StandInLibrary()
{
    dlclose(m_handle);
}

QStringList StandInLibrary::calls()
{
    const auto journal = entry<const char16_t *(*)()>("StandIn_Journal");
    return QString::fromUtf16(journal()).split(u'\n', Qt::SkipEmptyParts);
}

void StandInLibrary::reset()
{
    entry<void (*)()>("StandIn_Reset")();
}

void StandInLibrary::setPermission(int result, bool granted, const QString &message)
{
    entry<void (*)(std::int32_t, std::uint8_t, const char16_t *)>("StandIn_SetPermission")(
        result, granted ? 1 : 0, reinterpret_cast<const char16_t *>(message.utf16()));
}

void StandInLibrary::fillWithoutEnd(bool enabled)
{
    entry<void (*)(std::uint8_t)>("StandIn_FillWithoutEnd")(enabled ? 1 : 0);
}

template <typename Function> Function StandInLibrary::entry(const char *name)
{
    const auto function = reinterpret_cast<Function>(dlsym(m_handle, name));
    if (!function)
        throw std::runtime_error(std::string("the stand-in lacks ") + name);
    return function;
}
