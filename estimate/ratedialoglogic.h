#pragma once

#include "estimaterecords.h"
#include "pricing.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

// What the rate dialog shows at a moment: the desktop lays its controls out exactly so.
struct RateDialogView {
    QString title;
    QString labelText;
    QRect label;
    bool editVisible = true;
    QRect edit;
    QString editText;
    bool noticeVisible = false;
    QRect notice;
    QString noticeText;
    QPoint cancelButton;
    QPoint okButton;
    int focus = 0; // control id
};

// The modal dialog that sets one project rate, without its window: a first
// "确定" checks the text and asks for confirmation, the second stores it.
// Nothing changes before the second "确定".
class RateDialogLogic
{
public:
    enum class Step { Entry, Refused, Confirm, Closed };

    static constexpr int DialogId = 173;
    static constexpr int TitleId = 1206;
    static constexpr int LabelId = 1107;
    static constexpr int NoticeId = 1102;
    static constexpr int CancelId = 1;
    static constexpr int OkId = 1015;
    // Message 0x464 code that re-lays the columns after a cancelled profit or loss confirmation.
    static constexpr int RelayoutCode = 15;

    RateDialogLogic(RateKind kind, const RateSettings &rates);

    RateKind kind() const { return m_kind; }
    Step step() const { return m_step; }
    int editId() const;
    // Message 0x464 code that applies the rate to every item.
    int tableCode() const;
    QString title() const;
    QString labelText() const;
    QString confirmationText() const;
    static QString noticeText();
    // Skin element of each control id.
    static QString skinElement(int controlId);

    void setEditText(const QString &text);
    QString editText() const { return m_editText; }

    // First press: check the text; at the confirmation step: store the rate and close.
    void pressOk(RateSettings &rates);
    // Clicking into the notice brings the edit back, empty.
    void focusNotice();
    void pressCancel();
    // Escape or the close box.
    void close();

    RateDialogView view() const;
    // After closing: the table code to send (tableCode(), RelayoutCode or -1 for none)
    // and whether the settings must be saved.
    int sentCode() const { return m_sentCode; }
    bool settingsChanged() const { return m_settingsChanged; }

private:
    void confirm(RateSettings &rates);

    RateKind m_kind;
    Step m_step = Step::Entry;
    QString m_editText;
    int m_sentCode = -1;
    bool m_settingsChanged = false;
};
