#pragma once

#include "app/question.h"
#include "platform/dialog.h"

#include <string>

namespace zandrel {

// The question dialog (template 153): one edit box whose text becomes the question on OK.
// A new dialog starts empty; the previous question is never offered again.
class CQueryDlg : public CDialog {
    Q_OBJECT
public:
    explicit CQueryDlg(QWidget* owner = nullptr);

    std::string question;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;
};

struct QuestionAnswer {
    bool accepted = false;
    std::string question;
};

// Asks the question modally over `owner`. OK or Enter accepts the text, which may be empty;
// Cancel or Escape gives accepted = false.
QuestionAnswer AskQuestion(QWidget* owner);

} // namespace zandrel
