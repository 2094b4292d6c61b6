// The INI reader of the configuration: any file, never a crash, and the speed it reads is a finite
// positive number.

#include "component/iniconfig.h"

#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("host.ini"));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
    f.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    f.close();
    olm3::IniConfig cfg;
    cfg.Load(path);
    const double v = cfg.GetMarschgeschwindigkeit();
    if (!std::isfinite(v) || v <= 0) std::abort();
    if (!std::isfinite(cfg.GetBerichtWert())) std::abort();
    (void)cfg.GetBinnenKatalog();
    (void)cfg.GetFensterFarbe();
    return 0;
}
