#pragma once
// A scripted radius-search service of the host: it reports progress step by step while window events run,
// lets the test act between the steps, and stops when the component raises BreakOptimierer.

#include "olm3binnen/events.h"
#include "olm3binnen/hostservices.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>
#include <QThread>
#include <functional>
#include <vector>

namespace olm3test {

class ScriptedKWS : public IOLM3KWS, public clsOLM3BinnenEvents {
public:
    /// The results of the next search (the count handed back is their number).
    std::vector<std::int32_t> punkteID;
    std::vector<double> strecke;
    /// The counts found so far, reported one per step.
    std::vector<std::int32_t> fortschritt;
    /// How long each step lasts, with window events processed (timer ticks of the browser).
    int schrittMs = 0;
    /// Called after each reported step with its index; a test clicks, checks or takes a picture here.
    std::function<void(int)> beiSchritt;

    // What the last search was asked for.
    int suchen = 0;
    std::int32_t zentrum = 0;
    QString typ;
    double umkreis = 0.0;
    bool abgebrochen = false;
    int breaks = 0;

    void KWSUmkreisSuche(std::int32_t& lngZentrumPunkteID, QString& strTyp, double& dblUmkreis,
                         bool& blnErgebnis, IOLM3KWSEvents* pEvents) override {
        ++suchen;
        zentrum = lngZentrumPunkteID;
        typ = strTyp;
        umkreis = dblUmkreis;
        abgebrochen = false;
        m_gefunden = 0;
        for (int i = 0; i < static_cast<int>(fortschritt.size()) && !abgebrochen; ++i) {
            m_gefunden = fortschritt[static_cast<size_t>(i)];
            if (pEvents) pEvents->KWSUmkreisSucheObjGefunden(m_gefunden);
            QElapsedTimer uhr;
            uhr.start();
            do {
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
                QThread::msleep(1);
            } while (uhr.elapsed() < schrittMs);
            if (beiSchritt) beiSchritt(i);
        }
        blnErgebnis = !abgebrochen;
    }

    void KWSUmkreisSucheErgebnis(std::vector<std::int32_t>& alngPunkteID, std::vector<double>& adblStrecke,
                                 std::int32_t& lngAnzahl) override {
        alngPunkteID = punkteID;
        adblStrecke = strecke;
        // A broken search hands back what it had found by then.
        if (abgebrochen && m_gefunden < static_cast<std::int32_t>(alngPunkteID.size())) {
            alngPunkteID.resize(static_cast<size_t>(m_gefunden));
            adblStrecke.resize(static_cast<size_t>(m_gefunden));
        }
        lngAnzahl = static_cast<std::int32_t>(alngPunkteID.size());
    }

    /// The component's break request reaches the search through this event.
    void BreakOptimierer() override {
        ++breaks;
        abgebrochen = true;
    }

private:
    std::int32_t m_gefunden = 0;
};

} // namespace olm3test
