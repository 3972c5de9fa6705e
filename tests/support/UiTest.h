// Support for tests that drive the real windows: a fixture that creates the
// five windows afresh for every test, answers warning boxes and finds
// controls by name.
#pragma once

#include "KORVELs.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QStringList>
#include <QTabWidget>
#include <QTimer>
#include <gtest/gtest.h>

// Answers every modal QMessageBox with OK while alive and keeps what it saw.
class WarningCatcher {
public:
    WarningCatcher();
    ~WarningCatcher();
    QStringList texts;  // the messages, in order
    QStringList titles; // their window titles
    bool allWarningIcon = true;
    bool allSingleOk = true;
    // The unsaved-changes questions seen, and the answer they get.
    QStringList questions;
    QMessageBox::StandardButton saveAnswer = QMessageBox::Discard;
    // A question with Yes and No (kept in questions) gets this answer.
    QMessageBox::StandardButton yesNoAnswer = QMessageBox::No;
    void clear() { texts.clear(), titles.clear(); }

private:
    QTimer timer_;
};

class UiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    TMainKORVELseinForm* W = nullptr;
    WarningCatcher warnings;

    // Shows the main window and dismisses the About box it opens.
    void ShowMainWindow();

    template <typename T> T* Find(const char* name) const {
        T* w = W->findChild<T*>(QString::fromLatin1(name));
        if (!w) ADD_FAILURE() << "no control named " << name;
        return w;
    }
    QLineEdit* Edit(const char* name) const { return Find<QLineEdit>(name); }
    QLabel* Label(const char* name) const { return Find<QLabel>(name); }

    // Replaces the whole text as a paste would (one change event).
    void Paste(QLineEdit* edit, const QString& text);
    // Types text key by key at the end of the edit (one change per key).
    void Type(QLineEdit* edit, const QString& text);
    // Enter in a control.
    void PressEnter(QWidget* widget);
    void Click(QWidget* button);
    // The three "ARVUTA" pressed and the report composed with every box the
    // selection offers, as its lines.
    QStringList CalculateAndReport();
    // Shown within the main window, whichever page is current and whether or
    // not the window is on screen.
    bool Shown(const QWidget* widget) const;
    // Everything a user or a later step can tell of the main window: the
    // record, every control's text, state and colour, the title, the page.
    QStringList WindowState() const;
    // The first entry in which two states differ, or empty.
    static std::string StateDifference(const QStringList& a, const QStringList& b);
    // The locale's decimal separator and numbers written with it.
    static QString Sep();
    static QString Num(const char* pointText); // "12.35" -> "12,35" on a comma locale
};

// Background colour names for assertions.
QString ColourName(const QWidget* widget);
