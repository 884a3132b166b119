#pragma once

#include <QDialog>

class QComboBox;

namespace app {

/// Tools > Languages: a list of "English" and "Español" and a button that takes the choice.
/// The list starts at the entry chosen last time in this run, or at the current language.
class CLanguageChangeDlg : public QDialog {
    Q_OBJECT
public:
    explicit CLanguageChangeDlg(QWidget* parent = nullptr);

    /// The language chosen last with the button (or Enter) in this run: 1033 or 2058, or the
    /// current language when the dialog was always closed otherwise.
    static int chosenLanguage();
    /// Forgets the choice of this run (tests start each case afresh).
    static void resetChoice();

    QComboBox* languageList() const { return m_list; }

private:
    void takeChoice();

    QComboBox* m_list;
};

}  // namespace app
