// The main window: the wall and block panel, the three check pages, the
// results page, the menu and the status bar. Its code is split by page into
// KORVELs*.cpp files; every control named in the design carries its name as
// objectName.
#pragma once

#include "KorvelsArvut.h"
#include "KorvelsBuilding.h"
#include "KorvelsFile.h"
#include "KorvelsTable.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>

namespace Korvel {
class TAruanne;
}
class QAction;
class QCheckBox;
class QDragEnterEvent;
class QDropEvent;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPrintDialog;
class QPrinter;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTabWidget;
class QTableWidget;
class QTextEdit;
class QWidget;

// Consequences of an accepted input change, one set per group of inputs.
enum class InvalidationGroup { A, V, K1, K2, T, S };

class TMainKORVELseinForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainKORVELseinForm(QWidget* parent = nullptr);
    ~TMainKORVELseinForm() override;

    std::unique_ptr<TArvutused> ARVUT;

    // ---- frame, menu (KORVELs.cpp)
    QWidget* Frame = nullptr;
    QTabWidget* ArvutPageControl = nullptr;
    QWidget* KandevArvut = nullptr;
    QWidget* KoondjArvut = nullptr;
    QWidget* ToesArvut = nullptr;
    QWidget* TulemusedNt = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QMenu* File1 = nullptr;
    QMenu* AndmedMenu = nullptr; // objectName "Andmed"
    QMenu* Arvutused1 = nullptr;
    QMenu* Tulemused = nullptr;
    QMenu* Help1 = nullptr;
    QAction* New1 = nullptr;
    QAction* Open1 = nullptr;
    QAction* Save1 = nullptr;
    QAction* SaveAs1 = nullptr;
    QAction* Print1 = nullptr;
    QAction* N1 = nullptr;
    QAction* Exit1 = nullptr;
    QAction* Sisestandmed = nullptr;
    QAction* Kandev = nullptr;
    QAction* Koondj = nullptr;
    QAction* Toes = nullptr;
    QAction* Plokid1 = nullptr;
    QAction* KuvaTulemused = nullptr;
    QAction* About = nullptr;

    void FormCrete();
    void FormShow();
    void AboutClick();
    void Exit1Click();
    void KandevClick();
    void KoondjClick();
    void ToesClick();
    // "Sobivad plokid ...": every product on the wall (Plokid.cpp).
    void PlokidClick();

    // Results tab: hidden after every input change, shown by the report.
    void HideResultsTab();
    void ShowResultsTab();
    bool ResultsTabVisible() const;

    // ---- input mechanism (KORVELsInputFields.cpp)
    // Creates the numeric edit named name from the field table: start text,
    // hint, change, Enter and leave handling.
    QLineEdit* MakeNumEdit(const char* name, QWidget* parent);
    // Runs the steps after an accepted change for the group.
    void Invalidate(InvalidationGroup group);
    // The common invalidation of the wall and block inputs.
    void CommonInvalidation() { Invalidate(InvalidationGroup::A); }
    // Enter moves the focus to the next visible control of the chain.
    void FocusNextAfter(QWidget* from);
    // Change handler of every numeric edit.
    void NumEditChange(QLineEdit* edit);
    // Leave handler of the eight decimal edits: rewrite with two decimals.
    void NumEditExit(QLineEdit* edit);
    // Tab order, Enter on buttons and F10 (KORVELsKeys.cpp).
    void SetUpKeyboard();

    // ---- wall and block panel (KORVELsPanel.cpp)
    QGroupBox* SeinGroupBox = nullptr;
    QGroupBox* PlokkGroupBox = nullptr;
    QGroupBox* MyyrGroupBox = nullptr;
    QLabel* tLabel = nullptr;
    QComboBox* tComboBox = nullptr;
    QLabel* hLabel = nullptr;
    QLineEdit* hEdit = nullptr;
    QLabel* LLabel = nullptr;
    QLineEdit* LEdit = nullptr;
    QLineEdit* rooEdit = nullptr;
    QComboBox* TKComboBox = nullptr;
    QLabel* TKLabel4 = nullptr;
    QLabel* ELabel = nullptr;
    QLabel* fbLabel1 = nullptr;
    QLabel* fbdLabel1 = nullptr;
    QLabel* fkLabel1 = nullptr;
    QLabel* fdLabel1 = nullptr;
    QLabel* EmLabel1 = nullptr;

    void BuildPanel();
    void TKComboBoxChange();
    void SetMJSTValues();
    // h, L and roo: after storing, the panel's own consequences.
    void hEditChanged();

    // ---- vertical capacity page (KORVELsKandev.cpp)
    QGroupBox* KVGroupBox = nullptr;
    QLabel* KVImage = nullptr;
    QPushButton* Button1 = nullptr;
    QGroupBox* ArvKGroupBox = nullptr;
    QLineEdit* PvldEdit = nullptr;
    QLineEdit* evlEdit = nullptr;
    QLineEdit* PydEdit = nullptr;
    QLineEdit* eyEdit = nullptr;
    QLineEdit* qtdEdit = nullptr;
    QGroupBox* LambdahGroupBox = nullptr;
    QLabel* LhLabel3 = nullptr;
    QLabel* LhLabel6 = nullptr;
    QGroupBox* ArvSGroupBox = nullptr;
    QGroupBox* KTingGroupBox1 = nullptr;
    QGroupBox* VertKVGroupBox = nullptr;
    QLabel* Msd1Label1 = nullptr;
    QLabel* MsdmLabel1 = nullptr;
    QLabel* Msd2Label1 = nullptr;
    QLabel* eLabel2 = nullptr;
    QLabel* eLabel4 = nullptr;
    QLabel* eLabel6 = nullptr;
    QLabel* Nsd1Label1 = nullptr;
    QLabel* NsdmLabel1 = nullptr;
    QLabel* Nsd2Label1 = nullptr;
    QLabel* KTingLabel1 = nullptr;
    QLabel* KTingLabel2 = nullptr;
    QLabel* KTingLabel3 = nullptr;
    QLabel* NRd1Label1 = nullptr;
    QLabel* NRdmLabel1 = nullptr;
    QLabel* NRd2Label1 = nullptr;

    void BuildKandevPage();
    void Button1Click();
    void SetKandevValues();
    void SetlabdaHValues();
    void KandevNaita1();
    void KandevNaita2();
    void KandevPeida2();

    // ---- concentrated load page (KORVELsKoondj.cpp)
    QGroupBox* KJGroupBox = nullptr;
    QLabel* KJImage = nullptr;
    QPushButton* Button2 = nullptr;
    QGroupBox* KKJGroupBox = nullptr;
    QLineEdit* PdEdit = nullptr;
    QLineEdit* tkjEdit = nullptr;
    QLineEdit* bkjEdit = nullptr;
    QLineEdit* altEdit = nullptr;
    QGroupBox* SigmaCGroupBox = nullptr;
    QLabel* SigmaCLabel2 = nullptr;
    QGroupBox* KTingGroupBox2 = nullptr;
    QLabel* KTingLabel4 = nullptr;
    QGroupBox* SigmaAdmGroupBox = nullptr;
    QLabel* SigmaAdmLabel2 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QGroupBox* MNKGroupBox = nullptr;
    QLineEdit* qndEdit = nullptr;
    QLineEdit* tnkEdit = nullptr;
    QLineEdit* akaEdit = nullptr;
    QGroupBox* SigmaTmaxGroupBox = nullptr;
    QLabel* SigmaTmaxLabel2 = nullptr;
    QGroupBox* KTingGroupBox3 = nullptr;
    QLabel* KTingLabel5 = nullptr;
    QGroupBox* ftuGroupBox = nullptr;
    QLabel* ftuLabel2 = nullptr;
    QLabel* NtLabel1 = nullptr;
    QLabel* tLabel1 = nullptr;

    void BuildKoondjPage();
    void Button2Click();
    void CheckBox2Click();
    // The fit test and the display; false when no result could be shown.
    bool KoondjKontroll();
    void SetKoondjValues();
    void SetKoondjValues1();
    void SetKoondjNurgaValues();
    void KoondjNaita1();
    void KoondjPeida1();
    void KoondjNaita2();
    void KoondjPeida2();
    // The inputs the special-case window's numbers were computed from.
    std::array<double, 9> specialCaseInputs_{};

    // ---- support node page (KORVELsToes.cpp)
    QGroupBox* TSGroupBox = nullptr;
    QLabel* TSImage = nullptr;
    QPushButton* Button3 = nullptr;
    QGroupBox* TSAYJGroupBox = nullptr;
    QLineEdit* qdEdit = nullptr;
    QLineEdit* a1Edit = nullptr;
    QLineEdit* LtEdit = nullptr;
    QLineEdit* btEdit = nullptr;
    QLineEdit* EtEdit = nullptr;
    QLineEdit* ItEdit = nullptr;
    QGroupBox* SigmaMaxGroupBox1 = nullptr;
    QLabel* SigmaMaxLabel2 = nullptr;
    QGroupBox* KTingGroupBox4 = nullptr;
    QLabel* KTingLabel6 = nullptr;
    QGroupBox* fdGroupBox1 = nullptr;
    QLabel* fdLabel3 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QGroupBox* TKVRGroupBox = nullptr;
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QRadioButton* RadioButton3 = nullptr;
    QLineEdit* stEdit = nullptr;
    QGroupBox* SigmaMaxGroupBox2 = nullptr;
    QLabel* SigmaMaxLabel4 = nullptr;
    QGroupBox* KTingGroupBox5 = nullptr;
    QLabel* KTingLabel7 = nullptr;
    QGroupBox* fdGroupBox2 = nullptr;
    QLabel* fdflocLabel1 = nullptr;

    void BuildToesPage();
    void Button3Click();
    void CheckBox1Click();
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton3Click();
    void SetToesValues();
    void SetToesEfektValues();
    // False when the spacing was rejected (marked, reset and announced).
    bool ToesKontroll();
    void ToesNaita1();
    void ToesPeida1();
    void ToesNaita2();
    void ToesPeida2();
    // c1 from the spacing, and Ad for position 3 when it is selected.
    void RefreshSpacing();
    // Ad and c1 for the selected beam position.
    void RefreshDistributionArea();

    // ---- results page, report and printing (KORVELsReport.cpp)
    QTextEdit* RichEdit = nullptr;
    QPrintDialog* PrintDialog1 = nullptr;

    void BuildTulemusedPage();
    // The window's print dialog, made on the first "Prindi ...": making its
    // printer asks the print system for its printers, which may block.
    void CreatePrintDialog();
    void SisestandmedClick();
    void KuvaTulemusedClick();
    // Composes the report; false (with the warning shown and the report left
    // empty) when a calculation could not be completed.
    bool AndmeteSisestus();
    void AndmeteSisestus1();
    void AndmeteSisestus2();
    void AndmeteSisestus3();
    void AndmeteSisestus4();
    void TulemusedNtShow();
    void TulemusedNtHide();
    void Print1Click();
    // Prints the whole report on printer as one job with an empty title.
    void PrintReport(QPrinter& printer);
    // Appends one line to the report as plain text, never as markup.
    void AppendLine(const QString& line);
    // The report as plain lines, for printing and for tests.
    QStringList ReportLines() const;
    void ClearReport();
    // The composer of the report being made, while AndmeteSisestus runs.
    Korvel::TAruanne* aruanne_ = nullptr;
    // Runs write on the report being composed, or on its own and appends it.
    void ReportSection(const std::function<void(Korvel::TAruanne&)>& write);
    // Lines in the document; its first block is there even when empty.
    int reportLineCount_ = 0;
    // The calculation page the results page was opened from.
    QWidget* pageBeforeResults_ = nullptr;

    // ---- calculation files (KORVELsFiles.cpp)
    void New1Click();
    void Open1Click();
    // False when nothing was saved (cancelled or failed, with the warning shown).
    bool Save1Click();
    bool SaveAs1Click();
    // Opens path after the file was checked whole; false (with the warning
    // shown, nothing changed) when it was refused.
    bool OpenFile(const QString& path);
    // The same without the warning: the reason, or empty when opened.
    QString LoadFile(const QString& path);
    bool SaveFile(const QString& path);
    // The window's values as a calculation file holds them.
    Korvel::Calculation CurrentCalculation() const;
    // The same as the fields show them (locale's separator), for the report.
    Korvel::Calculation ShownCalculation() const;
    // What "Salvesta" writes: the building's walls, the current one as the
    // pages hold it.
    Korvel::Building CurrentBuilding() const;
    // Puts a checked calculation into the window and the record; startTexts
    // shows the fields' start texts instead of the calculation's.
    void ApplyCalculation(const Korvel::Calculation& c, const TArvutused& record,
                          bool startTexts = false);
    // After any accepted change: the modified marker and the title.
    void DocumentChanged();
    // Asks whether to save unsaved changes; false when the user cancels.
    bool MaybeSave();
    QString FilePath() const { return filePath_; }
    // A CSV file as a new building, every row checked first (KORVELsCsv.cpp).
    QString LoadCsv(const QString& path);
    bool ExportCsv1Click();
    // Writes every wall as a row; false with the warning shown when it failed.
    bool ExportCsv(const QString& path);
    QAction* ExportCsv1 = nullptr;
    // The file named at program start: opened before the window shows; a
    // refusal is told once the About box has been dismissed.
    void OpenAtStart(const QString& path);

    // ---- the building's walls (KORVELsBuilding.cpp)
    QLabel* SeinLabel = nullptr;
    QComboBox* SeinComboBox = nullptr;
    void BuildWallRow();
    int WallCount() const { return static_cast<int>(building_.walls.size()); }
    int CurrentWall() const { return current_; }
    // Keeps the current wall's values in the building, then puts wall's into
    // the pages as opening a file does; not a change by itself.
    void MakeWallCurrent(int wall);
    // The window's building replaced: the first wall current, nothing to save.
    void SetBuilding(const Korvel::Building& b);
    // Whether the building differs from what was last saved or opened.
    bool BuildingModified() const;
    // After any change of the walls: the drop-down and the modified marker.
    void WallsChanged();

    // ---- the page "Hoone" and its menu (HoonePage.cpp)
    QWidget* HooneArvut = nullptr;
    QTableWidget* SeinadTable = nullptr;
    QPushButton* LisaSeinButton = nullptr;
    QPushButton* NimetaSeinButton = nullptr;
    QPushButton* KustutaSeinButton = nullptr;
    QPushButton* YlesButton = nullptr;
    QPushButton* AllaButton = nullptr;
    QLabel* HooneLabel = nullptr;
    QMenu* HooneMenu = nullptr;
    QAction* LisaSein1 = nullptr;
    QAction* NimetaSein1 = nullptr;
    QAction* KustutaSein1 = nullptr;
    QAction* EelmineSein1 = nullptr;
    QAction* JargmineSein1 = nullptr;
    QAction* HooneAruanne1 = nullptr;
    void BuildHoonePage();
    void BuildHooneMenu();
    void LisaSeinClick();
    void NimetaSeinClick();
    void KustutaSeinClick();
    // Moves the current wall step places, staying current.
    void MoveWall(int step);
    void HooneAruanneClick();
    // Every wall's verdicts as the table shows them, in the building's order.
    const std::vector<Korvel::CheckedWall>& WallOutcomes() const { return outcomes_; }

protected:
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenu();
    void OnCurrentPageChanged(int index);
    void UpdateTitle(bool modified);
    QLineEdit* NumEdit(std::size_t index) const;
    QString filePath_;
    QString startWarning_;
    // The walls; the current one's entry is brought up to date from the
    // pages by StoreCurrentWall before it is used.
    Korvel::Building building_;
    int current_ = 0;
    Korvel::Building savedBuilding_;
    // What the title names while the building has no file of its own (a CSV).
    QString openedName_;
    // The current wall's applying checks.
    std::array<bool, 3> wallChecks_{true, true, true};
    void StoreCurrentWall();
    void RefreshWallList();
    std::vector<Korvel::CheckedWall> outcomes_;
    bool fillingTable_ = false;
    // A wall as the table checks it: the current one from the pages.
    Korvel::CheckedCalculation WallToCheck(int wall) const;
    void EvaluateRow(int wall);
    void EvaluateAllRows();
    void ShowRow(int wall);
    void ShowAllRows();
    // The summary, the selected row and what the buttons can do.
    void ShowBuildingState();
    void SetWallCheck(int wall, int page, bool on);
    bool applying_ = false;
    bool aboutShown_ = false;
    QWidget* lastPage_ = nullptr;
};

extern TMainKORVELseinForm* MainKORVELseinForm;

// Whether path names a spreadsheet's CSV file.
bool IsCsvPath(const QString& path);
