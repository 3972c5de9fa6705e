// Calculation files through the real window: saved and opened again, every
// value and the report come back; a refused or failed file changes nothing;
// unsaved changes are not lost without a question.
#include "Andmed.h"
#include "Colours.h"
#include "KoondjLisa.h"
#include "KorvelsFile.h"
#include "KorvelsInputs.h"
#include "KorvelsNumbers.h"
#include "KorvelsWall.h"
#include "TulemusedValik.h"
#include "UiTest.h"

#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <csignal>
#include <cstring>
#include <random>
#include <sys/resource.h>

using Korvel::Calculation;

namespace {

QByteArray Bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool Write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Bit for bit: -0.0 and 0.0 differ here.
bool SameInputs(const TArvutused& a, const TArvutused& b) {
    for (const auto& f : Korvel::InputFields())
        if (std::memcmp(&(a.*(f.field)), &(b.*(f.field)), sizeof(double)) != 0) return false;
    return std::memcmp(&a.t, &b.t, sizeof a.t) == 0 && a.fb == b.fb && a.E == b.E &&
           a.rooP == b.rooP;
}

class FilesTest : public UiTest {
protected:
    QTemporaryDir dir;
    std::mt19937_64 rng{20261208};

    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    double Uniform(double lo, double hi) { return std::uniform_real_distribution<>(lo, hi)(rng); }
    int Pick(int n) { return std::uniform_int_distribution<>(0, n - 1)(rng); }

    // Every field anywhere in what it can hold, every block and option.
    // With fitWall, the bounds from the wall are the calculation's own wall.
    Calculation RandomCalculation(bool fitWall = false) {
        Calculation c = Calculation::Start();
        const int block = Pick(18);
        c.block = QString::fromUtf8(Korvel::Catalogue()[static_cast<std::size_t>(block)].name);
        TArvutused wall;
        Korvel::ApplyBlock(wall, Korvel::Catalogue()[static_cast<std::size_t>(block)]);
        const auto fields = Korvel::InputFields();
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const auto& f = fields[i];
            const double upper = Korvel::UpperBound(f, fitWall ? wall : Korvel::WidestWall());
            const int decimals = f.decimal ? Pick(4) : 0;
            double v = Uniform(f.lower, upper);
            if (Pick(8) == 0) v = Pick(2) ? f.lower : upper;
            std::string text = Korvel::FormatFixed(v, decimals);
            double parsed = 0;
            Korvel::ParseNumberText(text, parsed);
            if (parsed > upper || parsed < f.lower) text = Korvel::FormatFixed(f.lower, decimals);
            // Texts the field takes as typed, not only as the formatter writes
            // them: "45000." and ".5".
            if (f.decimal && Pick(5) == 0) {
                if (decimals == 0)
                    text += '.';
                else if (text.starts_with("0."))
                    text.erase(0, 1);
                else if (text.starts_with("-0."))
                    text.erase(1, 1);
            }
            c.inputs[i] = QString::fromStdString(text);
            Korvel::ParseNumberText(text, parsed);
            wall.*(f.field) = parsed / f.factor;
        }
        c.checkBox1 = Pick(2);
        c.checkBox2 = Pick(2);
        c.position = 1 + Pick(3);
        const QString pieces[] = {"Maja", "\"aed\"", "<b>x</b>", "õüäö", "\\", "€", " ", "ĸ"};
        for (auto& p : c.project)
            for (int n = Pick(4); n > 0; --n)
                p += pieces[Pick(8)];
        return c;
    }

    // Every page calculated and the report composed with every box it offers.
    QStringList FieldTexts() const {
        QStringList texts;
        for (const auto& f : Korvel::InputFields())
            texts << W->findChild<QLineEdit*>(f.name)->text();
        return texts;
    }
};

TEST_F(FilesTest, RandomCalculationsComeBackBitForBitWithTheSameReport) {
    ShowMainWindow();
    for (int round = 0; round < 40; ++round) {
        SCOPED_TRACE(round);
        const Calculation c = RandomCalculation();
        const auto checked = Korvel::CheckCalculation(c, Sep().toStdString());
        ASSERT_TRUE(checked.error.isEmpty()) << checked.error.toStdString();
        ASSERT_TRUE(Write(Path("a.korvel"), Korvel::WriteCalculation(c)));
        ASSERT_TRUE(W->OpenFile(Path("a.korvel")));
        EXPECT_TRUE(SameInputs(*W->ARVUT, checked.record));
        QStringList shown;
        for (const QString& t : c.inputs)
            shown << QString(t).replace('.', Sep());
        EXPECT_EQ(FieldTexts().join('|').toStdString(), shown.join('|').toStdString());
        EXPECT_EQ(W->CurrentCalculation(), c);

        // What the same texts give when typed: the same record.
        if (round % 4 == 0) {
            const TArvutused loaded = *W->ARVUT;
            W->New1Click();
            const auto fields = Korvel::InputFields();
            auto type = [&](const char* name) {
                const auto index =
                    static_cast<std::size_t>(Korvel::FindInputField(name) - &fields[0]);
                Paste(Edit(name), shown[static_cast<qsizetype>(index)]);
            };
            // On the widest wall first, so that no bound from the wall refuses.
            W->TKComboBox->setCurrentIndex(17);
            W->TKComboBoxChange();
            Paste(W->LEdit, "12000");
            Paste(W->bkjEdit, "1");
            for (const auto& f : fields)
                if (std::strcmp(f.name, "LEdit") && std::strcmp(f.name, "bkjEdit")) type(f.name);
            type("bkjEdit");
            type("LEdit");
            W->TKComboBox->setCurrentIndex(Korvel::FindBlock(c.block.toStdString()));
            W->TKComboBoxChange();
            EXPECT_TRUE(warnings.texts.isEmpty()) << warnings.texts.join('|').toStdString();
            EXPECT_TRUE(SameInputs(*W->ARVUT, loaded));
            // What the window saves of typed texts opens again, as typed.
            const QStringList typed = FieldTexts();
            ASSERT_TRUE(W->SaveFile(Path("typed.korvel")));
            W->New1Click();
            ASSERT_TRUE(W->OpenFile(Path("typed.korvel")))
                << warnings.texts.join('|').toStdString();
            EXPECT_TRUE(SameInputs(*W->ARVUT, loaded));
            EXPECT_EQ(FieldTexts().join('|').toStdString(), typed.join('|').toStdString());
            ASSERT_TRUE(W->OpenFile(Path("a.korvel")));
        }

        // Calculated, the fields are as the pages leave them (rewritten,
        // reset where they did not fit); then saved, opened and calculated again.
        CalculateAndReport();
        const QStringList report = CalculateAndReport();
        const TArvutused calculated = *W->ARVUT;
        const Calculation shownNow = W->CurrentCalculation();
        warnings.clear();
        ASSERT_TRUE(W->SaveFile(Path("b.korvel")));
        EXPECT_EQ(Bytes(Path("b.korvel")).toStdString(),
                  Korvel::WriteBuilding(W->CurrentBuilding()).toStdString());
        W->New1Click();
        ASSERT_TRUE(W->OpenFile(Path("b.korvel")));
        EXPECT_TRUE(SameInputs(*W->ARVUT, calculated));
        EXPECT_EQ(W->CurrentCalculation(), shownNow);
        EXPECT_EQ(CalculateAndReport().join('\n').toStdString(), report.join('\n').toStdString());
        warnings.clear();
    }
}

// The window-free evaluation that the command line prints: for the same file,
// the same refusals, the same report line for line and the markers' verdicts.
TEST_F(FilesTest, WithoutTheWindowTheSameReportAndVerdictsAsTheWindow) {
    ShowMainWindow();
    const QString sep = Sep();
    auto sign = [](const QLabel* marker) {
        return marker->text() == "<" ? -1 : (marker->text() == "=" ? 0 : 1);
    };
    int reported = 0;
    for (int round = 0; round < 60; ++round) {
        SCOPED_TRACE(round);
        const Calculation c = RandomCalculation(round % 4 != 0);
        ASSERT_TRUE(Write(Path("w.korvel"), Korvel::WriteCalculation(c)));
        ASSERT_TRUE(W->OpenFile(Path("w.korvel")));
        warnings.clear();
        const QStringList window = CalculateAndReport();
        Korvel::WallResult wall = Korvel::EvaluateWall(
            Korvel::ReadCalculationFile(Path("w.korvel"), sep.toStdString()), sep);
        // Check by check: a page that warned has its check (and only that)
        // not computed, with the calculation's own words or the misfit named.
        ASSERT_TRUE(wall.error.isEmpty()) << wall.error.toStdString();
        bool anyUndefined = false;
        for (const Korvel::CheckOutcome& check : wall.checks) {
            if (check.state != Korvel::CheckState::Undefined) continue;
            anyUndefined = true;
            if (check.reason.contains("ei sobi selle seinaga"))
                EXPECT_TRUE(warnings.texts.contains("Vaata üle kollased lahtrid!")) << check.key;
            else
                EXPECT_TRUE(warnings.texts.contains(check.reason)) << check.reason.toStdString();
        }
        EXPECT_EQ(anyUndefined, !warnings.texts.isEmpty());
        if (window == QStringList{"(no report)"}) {
            for (const Korvel::CheckOutcome& check : wall.checks)
                EXPECT_FALSE(check.Computed()) << check.key;
            continue;
        }
        EXPECT_EQ(Korvel::WallReport(wall, sep).join('\n').toStdString(),
                  window.join('\n').toStdString());
        ++reported;
        for (const Korvel::CheckOutcome& check : wall.checks) {
            std::vector<const QLabel*> markers;
            switch (check.kind) {
            case Korvel::CheckKind::Vertical:
                markers = {W->KTingLabel1, W->KTingLabel2, W->KTingLabel3};
                break;
            case Korvel::CheckKind::Concentrated:
                if (check.comparisons.size() == 2)
                    markers = {KoondjLisaForm->KTingLabel8, KoondjLisaForm->KTingLabel9};
                else if (Korvel::CaseOf(wall.record) == Korvel::KoondjCase::Far)
                    markers = {KoondjLisaForm->KTingLabel9};
                else
                    markers = {W->KTingLabel4};
                break;
            case Korvel::CheckKind::Corner:
                markers = {W->KTingLabel5};
                break;
            case Korvel::CheckKind::Support:
                markers = {W->KTingLabel6};
                break;
            case Korvel::CheckKind::FreeSpace:
                markers = {W->KTingLabel7};
                break;
            }
            if (check.state == Korvel::CheckState::Hidden) {
                EXPECT_FALSE(W->ArvSGroupBox->isVisibleTo(W));
                continue;
            }
            if (!check.Computed()) continue;
            ASSERT_EQ(markers.size(), check.comparisons.size()) << check.key;
            for (std::size_t i = 0; i < markers.size(); ++i) {
                EXPECT_EQ(sign(markers[i]), check.comparisons[i].Sign()) << check.key << i;
                EXPECT_EQ(Korvel::BackgroundOf(markers[i]) == Korvel::MarkerGreen,
                          check.comparisons[i].Holds())
                    << check.key << i;
            }
        }
    }
    EXPECT_GT(reported, 30);
}

// The marker follows values: a text the page rewrites to the same value is
// no change, one it rounds is.
TEST_F(FilesTest, ARewriteToTheSameValueIsNoChange) {
    ShowMainWindow();
    QByteArray bytes = Korvel::WriteCalculation(Calculation::Start());
    bytes.replace("\"rooEdit\": \"1.00\"", "\"rooEdit\": \"1\"");
    ASSERT_TRUE(Write(Path("roo.korvel"), bytes));
    ASSERT_TRUE(W->OpenFile(Path("roo.korvel")));
    Click(W->Button1);
    EXPECT_EQ(W->rooEdit->text(), Num("1.00"));
    EXPECT_FALSE(W->isWindowModified());
    Paste(W->PvldEdit, Num("30.555"));
    W->NumEditExit(W->PvldEdit);
    EXPECT_EQ(W->PvldEdit->text(), Num("30.56"));
    EXPECT_TRUE(W->isWindowModified());
}

TEST_F(FilesTest, ARefusedFileChangesNothingAndSaysWhy) {
    ShowMainWindow();
    Calculation c = Calculation::Start();
    c.inputs[0] = "2700";
    ASSERT_TRUE(Write(Path("good.korvel"), Korvel::WriteCalculation(c)));
    ASSERT_TRUE(W->OpenFile(Path("good.korvel")));
    Paste(W->PvldEdit, Num("55.5"));
    ASSERT_TRUE(W->isWindowModified());
    const TArvutused before = *W->ARVUT;
    const QStringList texts = FieldTexts();
    const QString title = W->windowTitle();

    QByteArray bad = Korvel::WriteCalculation(c);
    bad.replace("\"PdEdit\": \"30.00\"", "\"PdEdit\": \"10000.01\"");
    ASSERT_TRUE(Write(Path("bad.korvel"), bad));
    EXPECT_FALSE(W->OpenFile(Path("bad.korvel")));
    ASSERT_EQ(warnings.texts.size(), 1);
    EXPECT_TRUE(warnings.texts[0].contains("bad.korvel"));
    EXPECT_TRUE(warnings.texts[0].contains("inputs.PdEdit"));
    EXPECT_TRUE(warnings.texts[0].contains("\"10000.01\""));
    EXPECT_TRUE(warnings.texts[0].contains("Arvutuslik koondatud jõud peaks olema arv: 0" + Sep() +
                                           "00...10000" + Sep() + "00"))
        << warnings.texts[0].toStdString();
    EXPECT_TRUE(SameInputs(*W->ARVUT, before));
    EXPECT_EQ(FieldTexts().join('|').toStdString(), texts.join('|').toStdString());
    EXPECT_EQ(W->windowTitle(), title);
    EXPECT_TRUE(W->isWindowModified());
    EXPECT_EQ(W->FilePath(), QFileInfo(Path("good.korvel")).absoluteFilePath());
}

TEST_F(FilesTest, AFailedSaveKeepsTheOldFileByteForByte) {
    ShowMainWindow();
    ASSERT_TRUE(W->SaveFile(Path("wall.korvel")));
    const QByteArray old = Bytes(Path("wall.korvel"));
    Paste(W->PvldEdit, Num("60.00"));
    Paste(W->hEdit, "2900");

    // A full disk: a file-size limit below the new file's size.
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = static_cast<rlim_t>(old.size() / 2);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = W->SaveFile(Path("wall.korvel"));
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(saved);
    EXPECT_EQ(Bytes(Path("wall.korvel")), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"wall.korvel"});
    ASSERT_EQ(warnings.texts.size(), 1);
    EXPECT_TRUE(warnings.texts[0].contains("wall.korvel"));
    EXPECT_TRUE(W->isWindowModified());

    EXPECT_FALSE(W->SaveFile(Path("no/such/folder/x.korvel")));
    EXPECT_EQ(warnings.texts.size(), 2);
}

TEST_F(FilesTest, ACalculationFileDroppedOnTheWindowOpensAfterTheQuestion) {
    ShowMainWindow();
    Calculation c = Calculation::Start();
    c.inputs[0] = "2600";
    ASSERT_TRUE(Write(Path("dropped.korvel"), Korvel::WriteCalculation(c)));
    Paste(W->PvldEdit, Num("55.00"));
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(Path("dropped.korvel"))});
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    // Straight to the window: the application routes a drop only to the
    // target of a drag that the platform began.
    static_cast<QObject*>(W)->event(&drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(warnings.questions.size(), 1); // the unsaved slab load
    EXPECT_EQ(W->hEdit->text(), "2600");
    EXPECT_EQ(W->windowTitle(), "dropped.korvel[*] – KORVEL poorbetoonseinte arvutus");
}

TEST_F(FilesTest, UnsavedChangesAreAskedAboutOnlyWhenThereAreSome) {
    ShowMainWindow();
    EXPECT_EQ(W->windowTitle(), "KORVEL poorbetoonseinte arvutus");
    W->New1Click(); // untouched: nothing to ask
    EXPECT_TRUE(warnings.questions.isEmpty());

    Paste(W->evlEdit, "-20");
    EXPECT_TRUE(W->isWindowModified());
    warnings.saveAnswer = QMessageBox::Cancel;
    EXPECT_FALSE(W->close());
    EXPECT_EQ(warnings.questions.size(), 1);
    EXPECT_TRUE(W->isVisible());
    EXPECT_EQ(W->evlEdit->text(), "-20");

    ASSERT_TRUE(W->SaveFile(Path("s.korvel")));
    EXPECT_FALSE(W->isWindowModified());
    EXPECT_EQ(W->windowTitle(), "s.korvel[*] – KORVEL poorbetoonseinte arvutus");
    W->New1Click(); // just saved: nothing to ask
    EXPECT_EQ(warnings.questions.size(), 1);
    EXPECT_EQ(W->evlEdit->text(), "20");
    EXPECT_EQ(W->FilePath(), "");
    // A project field counts too, and typing a value back undoes the change.
    AndmedForm->PealkiriEdit->setText("Maja");
    EXPECT_TRUE(W->isWindowModified());
    AndmedForm->PealkiriEdit->setText("");
    EXPECT_FALSE(W->isWindowModified());
    EXPECT_TRUE(W->close());
    EXPECT_EQ(warnings.questions.size(), 1);
}

} // namespace
