#pragma once

#include "estimate/estimaterecords.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// What the page setup dialog holds and decides: the paper list, the two
// orientation buttons, the four margin edits and the rule that confirms them.
class PageSetupForm
{
public:
    enum Margin { Top = 0, Bottom = 1, Left = 2, Right = 3 };
    static constexpr int MarginCount = 4;
    static constexpr int StepMinimum = 0;
    static constexpr int StepMaximum = 50;

    static const QStringList &paperSizes();
    static QString invalidMarginText() { return QStringLiteral("请输入有效的数字"); }

    explicit PageSetupForm(const PageSettings &stored);

    int paperIndex() const { return m_paperIndex; }
    void setPaperIndex(int index);
    bool portrait() const { return m_portrait; }
    // A click checks the clicked button and unchecks the other; a checked one stays checked.
    void checkPortrait() { m_portrait = true; }
    void checkLandscape() { m_portrait = false; }
    const QString &marginText(Margin margin) const { return m_margins[std::size_t(margin)]; }
    void setMarginText(Margin margin, const QString &text) { m_margins[std::size_t(margin)] = text; }
    // One up-down step from the edit's text: a whole number within 0–50.
    static QString stepped(const QString &text, int steps);

    // On success the settings take the form's values and nothing is answered; else
    // the first invalid margin (top, bottom, left, right) is answered, its edit
    // shows the refusal and the settings keep their margins.
    std::optional<Margin> confirm(PageSettings &stored);

private:
    int m_paperIndex = 0;
    bool m_portrait = true;
    std::array<QString, MarginCount> m_margins;
};
