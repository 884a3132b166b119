#pragma once

#include <QAbstractButton>

namespace app {

/// The small picture button that sits inside the right end of an input and shows whether that
/// input's value comes from a calculator (on) or is typed (off). A tool button shows the tool
/// picture whatever its state.
class CCalculateButton : public QAbstractButton {
    Q_OBJECT
public:
    enum State { Off = 1, On = 2 };

    explicit CCalculateButton(QWidget* owner, bool isToolButton = false);

    void setLinkState(int state);
    int linkState() const { return m_state; }
    bool isOn() const { return m_state == On; }
    bool isHovered() const { return m_isHovered; }
    /// The resource path of the picture painted now.
    QString picturePath() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();

    QWidget* m_owner;
    bool m_isToolButton;
    bool m_isHovered = false;
    int m_state = Off;
};

}  // namespace app
