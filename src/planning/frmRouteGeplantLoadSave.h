#pragma once
// frmRouteGeplantLoadSave: saving the planned route under a name, overwriting or deleting a saved route,
// and choosing a saved route to load back into route planning.

#include <QDateTime>
#include <QDialog>
#include <cstdint>
#include <vector>

class clsOLM3Binnen;

class frmRouteGeplantLoadSave : public QDialog {
    Q_OBJECT
public:
    explicit frmRouteGeplantLoadSave(QWidget* parent = nullptr);
    ~frmRouteGeplantLoadSave() override;

    /// Prepares the window in load mode (blnLoad) or save mode; in save mode alngPunkteID is the route to
    /// save with the start moment and speed handed in. False when the list of saved routes cannot be read:
    /// the caller then does not show the window.
    bool Init(clsOLM3Binnen* objFacade, const std::vector<std::int32_t>& alngPunkteID, bool blnLoad,
              const QDateTime& datStart, double dblMarschV);
    /// After the window was shown in load mode: true when the user loaded a route; its point ids then
    /// are in alngPunkteID, in the order chosen.
    bool RouteLoad(std::vector<std::int32_t>& alngPunkteID);
};
