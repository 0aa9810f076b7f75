#pragma once

#include "app/reading_conventions.h"
#include "app/session.h"
#include "platform/dialog.h"

#include <optional>

namespace zandrel {

class CComboBox;
class CTextViewer;

// The reading's details beside the main window: the four pillars and the solar term of its
// moment, body and use with their strengths in the season, the three stages, the related
// hexagrams, the trigrams' correspondences and the conditions of timing, under the conventions
// chosen at the top. A chosen convention is kept in the data folder's settings file and the
// details are read again by it. The window stays open beside the main one and follows each new
// reading; Escape or Close hides it.
class CReadingDetailsDlg : public CDialog {
    Q_OBJECT
public:
    CReadingDetailsDlg(const Session& session, QWidget* owner = nullptr);

    // Shows the details of `cast`, or that there is no reading yet.
    void ShowCast(const std::optional<CastResult>& cast);
    const ReadingConventions& Conventions() const { return conventions; }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;

private:
    void OnConventionChosen();
    void OnLongitudeChange();
    // Writes the conventions to the settings file and shows the details by them.
    void Keep();
    void ShowDetails();

    const Session& session;
    ReadingConventions conventions;
    std::optional<CastResult> shownCast;
    bool toldSettingsProblem = false;
    CComboBox* yearStartList = nullptr;
    CComboBox* ziHourList = nullptr;
    CComboBox* earthList = nullptr;
    CTextViewer* detailsText = nullptr;
};

} // namespace zandrel
