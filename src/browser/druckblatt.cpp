#include "browser/druckblatt.h"

#include "data/texttable.h"

namespace olm3browser::druck {

namespace {

/// A cell's type: the base font in the size and width of one of the types.
QFont mitSchnitt(QFont f, std::size_t i) {
    f.setPointSizeF(kSchnitte[i].pt);
    f.setStretch(kSchnitte[i].stretch);
    return f;
}

/// The lines of a text wrapped at blanks to a width.
QStringList umbrochen(const Blatt& blatt, const QStringList& absaetze, const QFont& f, double breite) {
    QStringList zeilen;
    for (const QString& absatz : absaetze) {
        QString zeile;
        for (const QString& wort : absatz.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString laenger = zeile.isEmpty() ? wort : zeile + QLatin1Char(' ') + wort;
            if (zeile.isEmpty() || blatt.breite(laenger, f) <= breite) {
                zeile = laenger;
            } else {
                zeilen << zeile;
                zeile = wort;
            }
        }
        zeilen << zeile;
    }
    return zeilen;
}

} // namespace

void Blatt::fuss() {
    const QFont f = schrift();
    text(kLinks, kFussOben, kRechts - kLinks, zeilenHoehe(f), Qt::AlignRight,
         olm3::TextTable::Builtin().Text(QStringLiteral("frmBinneninfo"), 10047, QStringLiteral("Seite ")) +
             QString::number(m_seite),
         f);
}

double luecke(double spaltenBreite, Qt::Alignment ausrichtung) {
    return (ausrichtung & Qt::AlignRight) ? std::clamp(spaltenBreite * 0.15, 1.5, 4.0) : kLuecke;
}

QStringList absaetze(const QString& text) {
    QString t = text;
    t.remove(QLatin1Char('\r'));
    return t.split(QLatin1Char('\n'));
}

std::size_t passenderSchnitt(const Blatt& blatt, const QStringList& zeilen, const QFont& basis, double breite,
                             std::size_t start, std::size_t bis) {
    for (std::size_t i = start; i < bis; ++i) {
        const QFont f = mitSchnitt(basis, i);
        if (std::all_of(zeilen.begin(), zeilen.end(),
                        [&](const QString& z) { return blatt.breite(z, f) <= breite; }))
            return i;
    }
    return bis;
}

void passeEin(const Blatt& blatt, const QString& text, Zelle& z, std::size_t start,
              std::size_t bis) {
    const QStringList teile = absaetze(text);
    const QFont basis = z.font;
    std::size_t i = passenderSchnitt(blatt, teile, basis, z.breite, start, bis);
    if (i < bis) {
        z.zeilen = teile;
    } else {
        i = bis - 1;
        z.zeilen = umbrochen(blatt, teile, mitSchnitt(basis, i), z.breite);
        if (passenderSchnitt(blatt, z.zeilen, basis, z.breite, i, i + 1) > i) {
            i = passenderSchnitt(blatt, teile, basis, z.breite, bis);
            if (i < kAnzahlSchnitte) {
                z.zeilen = teile;
            } else {
                i = kAnzahlSchnitte - 1;
                z.zeilen = umbrochen(blatt, teile, mitSchnitt(basis, i), z.breite);
                for (QString& zeile : z.zeilen) {
                    if (blatt.breite(zeile, mitSchnitt(basis, i)) > z.breite)
                        zeile = blatt.gekuerzt(zeile, mitSchnitt(basis, i), z.breite);
                }
            }
        }
    }
    z.font = mitSchnitt(basis, i);
    z.hoehe = static_cast<double>(z.zeilen.size()) * blatt.zeilenHoehe(z.font);
}

} // namespace olm3browser::druck
