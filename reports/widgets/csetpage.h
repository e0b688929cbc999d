#pragma once

#include "reports/pagesetupform.h"

#include <QDialog>

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;

// The page setup dialog: paper size, orientation and the four margins. 确定 checks
// the margins (a refused one shows why in its own edit), stores the settings and
// has them written; 取消 changes nothing.
class CSetPage : public QDialog
{
    Q_OBJECT

public:
    // `save` writes the settings file; false when it could not be written.
    CSetPage(PageSettings &settings, std::function<bool()> save, QWidget *parent = nullptr);

    QComboBox *paperList() const { return m_paper; }
    QCheckBox *portraitButton() const { return m_portrait; }
    QCheckBox *landscapeButton() const { return m_landscape; }
    QLineEdit *marginEdit(PageSetupForm::Margin margin) const { return m_margins[std::size_t(margin)]; }

public slots:
    void accept() override;

private:
    void createControls();
    void addMarginEdit(PageSetupForm::Margin margin, int id, int upDownId, const QString &caption, int x,
                       int y);
    void addLabel(const QString &text, int x, int y, int width);
    void showOrientation(bool portrait);

    PageSettings &m_settings;
    std::function<bool()> m_save;
    PageSetupForm m_form;
    QComboBox *m_paper = nullptr;
    QCheckBox *m_portrait = nullptr;
    QCheckBox *m_landscape = nullptr;
    std::array<QLineEdit *, PageSetupForm::MarginCount> m_margins{};
};
