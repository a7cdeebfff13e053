#pragma once
// The notice shown after the user sets a breakpoint, with "No volver a mostrar este aviso". The box's
// state is stored in the user setting "noInfoBreakpoint" however the notice is closed.

#include <QDialog>

#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;

namespace velmo {

class TFormAvisoBreakpoint : public QDialog {
    Q_OBJECT
public:
    /// `leeNoInfo` and `escribeNoInfo` read and write the user setting "noInfoBreakpoint".
    TFormAvisoBreakpoint(QWidget* parent, std::function<bool()> leeNoInfo,
                         std::function<void(bool)> escribeNoInfo);

    QLabel* Image1;
    QLabel* Label1;
    QPushButton* Button1;
    QCheckBox* CheckBox1;

    /// A breakpoint was just set: shows the notice modally unless the user asked not to see it again.
    /// True when it was shown.
    bool Avisa();

protected:
    void showEvent(QShowEvent* evento) override;
    void done(int resultado) override;

private:
    std::function<bool()> leeNoInfo_;
    std::function<void(bool)> escribeNoInfo_;
};

} // namespace velmo
