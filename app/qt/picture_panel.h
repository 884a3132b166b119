#pragma once

#include <QWidget>

namespace app {

/// The area beside the inputs before the first calculation: one of four pictures, chosen by the
/// picture counter, in the language of the moment; white once results are shown.
class PicturePanel : public QWidget {
    Q_OBJECT
public:
    explicit PicturePanel(QWidget* parent = nullptr);

    /// Which of the four pictures a counter value selects (1 -> 2, 2 and 5 -> 1, 4 -> 3, else 0).
    static int pictureForCounter(int counter);
    /// The resource path of a picture in a language.
    static QString picturePath(int picture, int languageId);

    void setCounter(int counter);
    int counter() const { return m_counter; }
    void setShowsPicture(bool showsPicture);
    bool showsPicture() const { return m_showsPicture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_counter = 0;
    bool m_showsPicture = true;
};

}  // namespace app
