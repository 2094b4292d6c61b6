#include "planning/gpxdialog.h"

#include "data/modOLM3Binnen.h"
#include "planning/core/routestore.h"
#include "ui/windowhelpers.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

using namespace modOLM3Binnen;
namespace gpx = olm3::gpx;
using olm3::planning::MeldungsTitel;

namespace olm3ui {

namespace {

QString ordner() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

} // namespace

bool GpxExportieren(QWidget* parent, const gpx::Datei& d, const QString& strTitel, QString strPfad) {
    if (d.route.empty()) {
        MsgBox(GetText(gpx::kModul, 9626), vbExclamation, MeldungsTitel());
        return false;
    }
    if (strPfad.isEmpty()) {
        strPfad = QFileDialog::getSaveFileName(parent, strTitel, QDir(ordner()).filePath(QStringLiteral("route.gpx")),
                                               GetText(gpx::kModul, 9623));
        if (strPfad.isEmpty()) return false;
    }
    QString grund;
    if (!gpx::SchreibeGpxDatei(d, strPfad, grund)) {
        MsgBox(gpx::SchreibFehlerText(QDir::toNativeSeparators(strPfad), grund), vbExclamation,
               MeldungsTitel());
        return false;
    }
    return true;
}

std::optional<gpx::Import> GpxImportieren(QWidget* parent, const QString& strTitel, QString strPfad) {
    if (strPfad.isEmpty()) {
        strPfad = QFileDialog::getOpenFileName(parent, strTitel, ordner(), GetText(gpx::kModul, 9623));
        if (strPfad.isEmpty()) return std::nullopt;
    }
    SetHourglass();
    const gpx::LeseErgebnis erg = gpx::LeseGpxDatei(strPfad);
    if (!erg) {
        SetNormalPointer();
        MsgBox(gpx::FehlerText(erg, strPfad) + QLatin1Char(' ') + GetText(gpx::kModul, 9622), vbExclamation,
               MeldungsTitel());
        return std::nullopt;
    }
    // Matching thousands of points takes a moment; the windows keep drawing meanwhile.
    std::optional<gpx::Import> imp = gpx::OrdneZu(erg.datei, gpx::KatalogZeitzone(), gpx::kFangbereichImport,
                                                  [](std::int32_t n, std::int32_t) {
                                                      if (n % 100 == 0) DoEvents();
                                                      return true;
                                                  });
    SetNormalPointer();
    if (imp->LeerGeblieben()) {
        MsgBox(gpx::ImportBericht(*imp, strPfad), vbExclamation, MeldungsTitel());
        return std::nullopt;
    }
    if (MsgBox(gpx::ImportBericht(*imp, strPfad), vbQuestion | vbYesNo, MeldungsTitel()) != vbYes)
        return std::nullopt;
    return imp;
}

} // namespace olm3ui
