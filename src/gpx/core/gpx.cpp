#include "gpx/core/gpx.h"

#include "olm3binnen/types.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <cmath>

namespace olm3::gpx {

namespace {

const QString kCreator = QStringLiteral("OLM3Binnen");
const QString kSchemaLocation =
    QStringLiteral("http://www.topografix.com/GPX/1/1 http://www.topografix.com/GPX/1/1/gpx.xsd");

// ---- writing -------------------------------------------------------------------------------------

QString zeitText(const QDateTime& dat) {
    return dat.toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ssZ"));
}

QString zahlText(double v, int stellen) {
    QString s = QString::number(v, 'f', stellen);
    // Trailing zeros carry nothing; "-0" would read oddly.
    if (s.contains(QLatin1Char('.'))) {
        while (s.endsWith(QLatin1Char('0'))) s.chop(1);
        if (s.endsWith(QLatin1Char('.'))) s.chop(1);
    }
    return s == QLatin1String("-0") ? QStringLiteral("0") : s;
}

void element(QXmlStreamWriter& w, const QString& name, const QString& text) {
    if (!text.isEmpty()) w.writeTextElement(kNamespaceGpx, name, text);
}

void eigenes(QXmlStreamWriter& w, const QString& name, const QString& text) {
    if (!text.isEmpty()) w.writeTextElement(kNamespaceOlm, name, text);
}

bool hatErweiterung(const Punkt& p) {
    return p.lngPunkteID > 0 || !p.strExterneID.isEmpty() || p.dblStrecke || !p.strTypID.isEmpty() ||
           p.datZeitAb.isValid() || p.dblWartezeit || p.dblDurchgangszeit;
}

/// A point in the element order of the schema's wptType.
void schreibePunkt(QXmlStreamWriter& w, const QString& tag, const Punkt& p) {
    w.writeStartElement(kNamespaceGpx, tag);
    w.writeAttribute(QStringLiteral("lat"), zahlText(p.dblBg, 7));
    w.writeAttribute(QStringLiteral("lon"), zahlText(p.dblLg, 7));
    if (p.datZeit.isValid()) element(w, QStringLiteral("time"), zeitText(p.datZeit));
    element(w, QStringLiteral("name"), p.strName);
    element(w, QStringLiteral("desc"), p.strBeschreibung);
    element(w, QStringLiteral("type"), p.strTyp);
    if (hatErweiterung(p)) {
        w.writeStartElement(kNamespaceGpx, QStringLiteral("extensions"));
        if (p.lngPunkteID > 0) eigenes(w, QStringLiteral("PunkteID"), QString::number(p.lngPunkteID));
        eigenes(w, QStringLiteral("ExterneID"), p.strExterneID);
        if (p.dblStrecke) eigenes(w, QStringLiteral("Strecke"), zahlText(*p.dblStrecke, 6));
        eigenes(w, QStringLiteral("TypID"), p.strTypID);
        if (p.datZeitAb.isValid()) eigenes(w, QStringLiteral("ZeitAb"), zeitText(p.datZeitAb));
        if (p.dblWartezeit) eigenes(w, QStringLiteral("Wartezeit"), zahlText(*p.dblWartezeit, 4));
        if (p.dblDurchgangszeit) eigenes(w, QStringLiteral("Durchgangszeit"), zahlText(*p.dblDurchgangszeit, 4));
        w.writeEndElement();
    }
    w.writeEndElement();
}

// ---- reading -------------------------------------------------------------------------------------

class Leser {
public:
    explicit Leser(QIODevice& geraet) : r(&geraet) {
        // GPX declares no entities; should a document declare some anyway, none is expanded.
        r.setEntityExpansionLimit(0);
        r.setNamespaceProcessing(true);
    }

    LeseErgebnis lies() {
        if (!wurzel()) return erg;
        const bool ok = kinder([&] {
            if (istGpx(u"wpt")) {
                Punkt p;
                if (!punkt(p)) return false;
                erg.datei.wegpunkte.push_back(std::move(p));
                return true;
            }
            if (istGpx(u"rte")) {
                if (!route(!routeGelesen)) return false;
                routeGelesen = true;
                return true;
            }
            if (istGpx(u"trk")) {
                if (!trackLesen(!trackGelesen)) return false;
                trackGelesen = true;
                return true;
            }
            if (istGpx(u"metadata")) return metadaten();
            r.skipCurrentElement();
            return true;
        });
        if (!ok) return erg;
        const Datei& d = erg.datei;
        if (d.route.empty() && d.track.empty() && d.wegpunkte.empty()) erg.fehler = Fehler::KeinePunkte;
        return erg;
    }

private:
    bool istGpx(QStringView name) const { return r.namespaceUri() == kNamespaceGpx && r.name() == name; }
    bool istOlm(QStringView name) const { return r.namespaceUri() == kNamespaceOlm && r.name() == name; }

    bool fehler(Fehler f, const QString& detail = QString()) {
        erg.fehler = f;
        erg.lngZeile = r.lineNumber();
        erg.strDetail = detail;
        return false;
    }

    /// Reads the next token; false at the end of the document or on an error (then recorded).
    bool weiter() {
        if (r.atEnd()) return false;
        r.readNext();
        if (r.tokenType() == QXmlStreamReader::DTD) return fehler(Fehler::Dtd);
        if (r.hasError()) {
            pruefeEnde();
            return false;
        }
        return !r.atEnd();
    }

    /// After the walk: turns a parser error into ours.
    bool pruefeEnde() {
        if (erg.fehler != Fehler::Keiner) return false;
        if (!r.hasError()) return true;
        if (r.error() == QXmlStreamReader::CustomError) return false;
        const bool abgeschnitten =
            r.error() == QXmlStreamReader::PrematureEndOfDocumentError && elementGesehen;
        return fehler(abgeschnitten ? Fehler::Abgeschnitten : Fehler::KeinXml, r.errorString());
    }

    bool wurzel() {
        while (!r.atEnd()) {
            r.readNext();
            if (r.tokenType() == QXmlStreamReader::DTD) return fehler(Fehler::Dtd);
            if (r.hasError()) return pruefeEnde();
            if (!r.isStartElement()) continue;
            elementGesehen = true;
            if (r.name() != u"gpx") return fehler(Fehler::KeinGpx, r.name().toString());
            if (r.namespaceUri() == kNamespaceGpx10) return fehler(Fehler::Gpx10);
            if (r.namespaceUri() != kNamespaceGpx)
                return fehler(Fehler::FalscherNamensraum, r.namespaceUri().toString());
            return true;
        }
        return pruefeEnde() && fehler(Fehler::KeinXml);
    }

    /// Walks the children of the current element up to its end, handing each start element to jedes
    /// (which consumes it and answers false on an error); an element it does not know it skips.
    template <class F>
    bool kinder(F&& jedes) {
        while (weiter()) {
            if (r.isEndElement()) return true;
            if (r.isStartElement() && !jedes()) return false;
        }
        return pruefeEnde();
    }

    /// Reads the text of the current element; its end is consumed.
    bool text(QString& s) {
        s = r.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
        return !r.hasError() || pruefeEnde();
    }

    bool zahl(std::optional<double>& v) {
        QString s;
        if (!text(s)) return false;
        bool ok = false;
        const double d = s.toDouble(&ok);
        if (ok && std::isfinite(d)) v = d;
        return true;
    }

    bool zeit(QDateTime& dat) {
        QString s;
        if (!text(s)) return false;
        const QDateTime t = QDateTime::fromString(s, Qt::ISODateWithMs);
        // A time without zone is taken as UTC, as the schema intends.
        if (t.isValid()) dat = t.timeSpec() == Qt::LocalTime ? QDateTime(t.date(), t.time(), Qt::UTC) : t.toUTC();
        return true;
    }

    bool koordinate(const QString& name, double grenze, bool grenzeOffen, double& v) {
        const QXmlStreamAttributes a = r.attributes();
        if (!a.hasAttribute(name)) return fehler(Fehler::KoordinateFehlt, name);
        const QString s = a.value(name).toString().trimmed();
        bool ok = false;
        v = s.toDouble(&ok);
        const bool imBereich = ok && std::isfinite(v) && v >= -grenze && (grenzeOffen ? v < grenze : v <= grenze);
        if (!imBereich) return fehler(Fehler::KoordinateUngueltig, name + QLatin1Char('=') + s.left(40));
        return true;
    }

    bool punkt(Punkt& p) {
        if (++anzahlPunkte > kMaxPunkte) return fehler(Fehler::ZuVielePunkte, QString::number(kMaxPunkte));
        if (!koordinate(QStringLiteral("lat"), 90.0, false, p.dblBg)) return false;
        if (!koordinate(QStringLiteral("lon"), 180.0, true, p.dblLg)) return false;
        return kinder([&] {
            if (istGpx(u"name")) return text(p.strName);
            if (istGpx(u"desc")) return text(p.strBeschreibung);
            if (istGpx(u"type")) return text(p.strTyp);
            if (istGpx(u"time")) return zeit(p.datZeit);
            if (istGpx(u"extensions")) return erweiterungen(p);
            r.skipCurrentElement();
            return true;
        });
    }

    bool erweiterungen(Punkt& p) {
        return kinder([&] {
            if (istOlm(u"PunkteID")) {
                QString s;
                const bool ok = text(s);
                p.lngPunkteID = std::max(0, s.toInt());
                return ok;
            }
            if (istOlm(u"ExterneID")) return text(p.strExterneID);
            if (istOlm(u"Strecke")) return zahl(p.dblStrecke);
            if (istOlm(u"TypID")) return text(p.strTypID);
            if (istOlm(u"ZeitAb")) return zeit(p.datZeitAb);
            if (istOlm(u"Wartezeit")) return zahl(p.dblWartezeit);
            if (istOlm(u"Durchgangszeit")) return zahl(p.dblDurchgangszeit);
            r.skipCurrentElement();
            return true;
        });
    }

    bool routenErweiterungen() {
        return kinder([&] {
            if (istOlm(u"Startzeit")) return zeit(erg.datei.datStart);
            if (istOlm(u"Marschgeschw")) return zahl(erg.datei.dblMarschV);
            r.skipCurrentElement();
            return true;
        });
    }

    /// A <rte>; only the first one is kept, but every one is checked.
    bool route(bool behalten) {
        std::vector<Punkt> punkte;
        QString name, beschreibung;
        const bool ok = kinder([&] {
            if (istGpx(u"rtept")) {
                Punkt p;
                if (!punkt(p)) return false;
                punkte.push_back(std::move(p));
                return true;
            }
            if (istGpx(u"name")) return text(name);
            if (istGpx(u"desc")) return text(beschreibung);
            if (istGpx(u"extensions") && behalten) return routenErweiterungen();
            r.skipCurrentElement();
            return true;
        });
        if (!ok) return false;
        if (behalten) {
            erg.datei.route = std::move(punkte);
            erg.datei.strName = name;
            erg.datei.strBeschreibung = beschreibung;
        }
        return true;
    }

    bool trackLesen(bool behalten) {
        std::vector<Punkt> punkte;
        const bool ok = kinder([&] {
            if (!istGpx(u"trkseg")) {
                r.skipCurrentElement();
                return true;
            }
            return kinder([&] {
                if (!istGpx(u"trkpt")) {
                    r.skipCurrentElement();
                    return true;
                }
                Punkt p;
                if (!punkt(p)) return false;
                punkte.push_back(std::move(p));
                return true;
            });
        });
        if (!ok) return false;
        if (behalten) erg.datei.track = std::move(punkte);
        return true;
    }

    bool metadaten() {
        return kinder([&] {
            if (istGpx(u"time")) return zeit(erg.datei.datErstellt);
            r.skipCurrentElement();
            return true;
        });
    }

    QXmlStreamReader r;
    LeseErgebnis erg;
    int anzahlPunkte = 0;
    bool elementGesehen = false;
    bool routeGelesen = false;
    bool trackGelesen = false;
};

} // namespace

LeseErgebnis LeseGpx(QIODevice& geraet) {
    return Leser(geraet).lies();
}

LeseErgebnis LeseGpx(const QByteArray& text) {
    QBuffer puffer;
    puffer.setData(text);
    puffer.open(QIODevice::ReadOnly);
    return LeseGpx(puffer);
}

LeseErgebnis LeseGpxDatei(const QString& strPfad) {
    LeseErgebnis erg;
    QFile datei(strPfad);
    const QFileInfo info(strPfad);
    if (!info.isFile() || !datei.open(QIODevice::ReadOnly)) {
        erg.fehler = Fehler::NichtLesbar;
        erg.strDetail = info.exists() && !info.isFile() ? QString() : datei.errorString();
        return erg;
    }
    if (datei.size() > kMaxDateiGroesse) {
        erg.fehler = Fehler::ZuGross;
        erg.strDetail = QString::number(kMaxDateiGroesse / (1024 * 1024));
        return erg;
    }
    erg = LeseGpx(datei);
    if (erg.fehler == Fehler::KeinXml && datei.error() != QFileDevice::NoError) {
        erg.fehler = Fehler::NichtLesbar;
        erg.strDetail = datei.errorString();
    }
    return erg;
}

void SchreibeGpx(const Datei& datei, QIODevice& geraet) {
    QXmlStreamWriter w(&geraet);
    w.setAutoFormatting(true);
    w.setAutoFormattingIndent(2);
    w.writeStartDocument();
    w.writeDefaultNamespace(kNamespaceGpx);
    w.writeNamespace(kNamespaceOlm, QStringLiteral("olm"));
    w.writeNamespace(QStringLiteral("http://www.w3.org/2001/XMLSchema-instance"), QStringLiteral("xsi"));
    w.writeStartElement(kNamespaceGpx, QStringLiteral("gpx"));
    w.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
    w.writeAttribute(QStringLiteral("creator"), kCreator);
    w.writeAttribute(QStringLiteral("http://www.w3.org/2001/XMLSchema-instance"), QStringLiteral("schemaLocation"),
                     kSchemaLocation);

    w.writeStartElement(kNamespaceGpx, QStringLiteral("metadata"));
    element(w, QStringLiteral("name"), datei.strName);
    element(w, QStringLiteral("desc"), datei.strBeschreibung);
    if (datei.datErstellt.isValid()) element(w, QStringLiteral("time"), zeitText(datei.datErstellt));
    w.writeEndElement();

    for (const Punkt& p : datei.wegpunkte) schreibePunkt(w, QStringLiteral("wpt"), p);

    if (!datei.route.empty()) {
        w.writeStartElement(kNamespaceGpx, QStringLiteral("rte"));
        element(w, QStringLiteral("name"), datei.strName);
        element(w, QStringLiteral("desc"), datei.strBeschreibung);
        if (datei.datStart.isValid() || datei.dblMarschV) {
            w.writeStartElement(kNamespaceGpx, QStringLiteral("extensions"));
            if (datei.datStart.isValid()) eigenes(w, QStringLiteral("Startzeit"), zeitText(datei.datStart));
            if (datei.dblMarschV) eigenes(w, QStringLiteral("Marschgeschw"), zahlText(*datei.dblMarschV, 2));
            w.writeEndElement();
        }
        for (const Punkt& p : datei.route) schreibePunkt(w, QStringLiteral("rtept"), p);
        w.writeEndElement();
    }

    if (!datei.track.empty()) {
        w.writeStartElement(kNamespaceGpx, QStringLiteral("trk"));
        element(w, QStringLiteral("name"), datei.strName);
        w.writeStartElement(kNamespaceGpx, QStringLiteral("trkseg"));
        for (const Punkt& p : datei.track) schreibePunkt(w, QStringLiteral("trkpt"), p);
        w.writeEndElement();
        w.writeEndElement();
    }
    w.writeEndElement();
    w.writeEndDocument();
}

QByteArray GpxText(const Datei& datei) {
    QByteArray text;
    QBuffer puffer(&text);
    puffer.open(QIODevice::WriteOnly);
    SchreibeGpx(datei, puffer);
    return text;
}

bool SchreibeGpxDatei(const Datei& datei, const QString& strPfad, QString& strFehler) {
    QSaveFile f(strPfad);
    if (!f.open(QIODevice::WriteOnly)) {
        strFehler = f.errorString();
        return false;
    }
    SchreibeGpx(datei, f);
    if (!f.commit()) {
        strFehler = f.errorString();
        return false;
    }
    return true;
}

QDateTime ZuUtc(const QDateTime& datLokal, const QTimeZone& tz) {
    // The wall-clock time read as if it were UTC; the offsets in force half a day before and after
    // cover every change of the clocks.
    const QDateTime alsUtc(datLokal.date(), datLokal.time(), Qt::UTC);
    const int vorher = tz.offsetFromUtc(alsUtc.addSecs(-12 * 3600));
    const int nachher = tz.offsetFromUtc(alsUtc.addSecs(12 * 3600));
    QDateTime best;
    for (const int offset : {vorher, nachher}) {
        const QDateTime utc = alsUtc.addSecs(-offset);
        // The offset holds at that moment: the wall-clock time exists with it. Of two (the hour that
        // occurs twice in autumn) the earlier moment is taken.
        if (tz.offsetFromUtc(utc) == offset && (!best.isValid() || utc < best)) best = utc;
    }
    // A time the clocks skip in spring counts with the offset before the change.
    return best.isValid() ? best : alsUtc.addSecs(-vorher);
}

QDateTime ZuLokal(const QDateTime& datUtc, const QTimeZone& tz) {
    const QDateTime t = datUtc.toTimeZone(tz);
    return olm3::MakeDatum(t.date(), t.time());
}

} // namespace olm3::gpx
