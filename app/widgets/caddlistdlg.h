#pragma once

#include <QWidget>
#include <array>

class ProjectForm;
class QLabel;
class QLineEdit;
class QPushButton;

// The project information form: nine buttons that show the fields, each with an
// edit box at its place that is shown while the field is edited.
class CAddListDlg : public QWidget
{
    Q_OBJECT

public:
    static constexpr int FormWidth = 335;
    static constexpr int FormHeight = 485;

    explicit CAddListDlg(ProjectForm &form, QWidget *parent = nullptr);

    // The buttons show the form's texts again (after a project was read or reset).
    void showFieldTexts();
    void startEdit(int index);
    // Ends the edit in progress, if any.
    void finishEdit();
    int editedField() const { return m_editing; }
    QLineEdit *editBox(int index) const { return m_edits[index]; }
    QPushButton *fieldButton(int index) const { return m_buttons[index]; }
    QLabel *caption(int index) const { return m_captions[index]; }
    QPushButton *nextButton() const { return m_next; }

signals:
    // 下一步, or Enter/Tab/Escape in the last field: show the budget table.
    void nextRequested();
    void closeFloatingMenuRequested();
    void fieldChanged(int index);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void createField(int index);
    int fieldOf(QObject *watched) const;
    void moveOn(int index);

    ProjectForm &m_form;
    std::array<QPushButton *, 9> m_buttons{};
    std::array<QLineEdit *, 9> m_edits{};
    std::array<QLabel *, 9> m_captions{};
    QPushButton *m_next = nullptr;
    int m_editing = -1;
};
