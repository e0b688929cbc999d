#pragma once

#include <QDialog>
#include <QString>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

// The room-name dialog: proposes a name, "确认" hands back the typed one
// (leading blanks removed, nothing left gives "新项目"), "跳过" hands back none.
// A name the project file would not give back is refused in the caption.
class CSetRoom : public QDialog
{
    Q_OBJECT

public:
    static constexpr int Width = 560;
    static constexpr int Height = 365;

    CSetRoom(const QString &defaultName, QWidget *parent);

    std::optional<QString> roomName() const { return m_name; }
    QLineEdit *edit() const { return m_edit; }
    QPushButton *confirmButton() const { return m_confirm; }
    QPushButton *skipButton() const { return m_skip; }
    QLabel *caption() const { return m_caption; }

private:
    void confirm();

    QLabel *m_caption = nullptr;
    QLineEdit *m_edit = nullptr;
    QPushButton *m_confirm = nullptr;
    QPushButton *m_skip = nullptr;
    std::optional<QString> m_name;
};
