// The install wizard's pages, the directory chooser and Exit Setup.
#include <gtest/gtest.h>

#include "setup/HeadlessViews.h"
#include "setup/SetupApp.h"
#include "setup/WizardPages.h"
#include "setup/tests/SetupFixture.h"

namespace {

using setup::CDestinationDlg;
using setup::testing::SetupWorld;

struct DefaultCase {
    const char* name;
    const char* programFiles;   // nullptr: not defined
    const char* windowsDir;
    const char* shown;
};

class DefaultDestination : public ::testing::TestWithParam<DefaultCase> {};

TEST_P(DefaultDestination, IsShownOnTheWindowsDrive) {
    const DefaultCase& c = GetParam();
    SetupWorld w;
    if (c.programFiles) w.system.environment["ProgramFiles"] = c.programFiles;
    w.files.SetWindowsDirectory(c.windowsDir);
    setup::CMainFrame frame(w.files);
    CDestinationDlg page(w.services, frame.directories);
    setup::HeadlessDialog view;
    page.OnInitDialog(view);
    EXPECT_EQ(view.GetText(CDestinationDlg::kPathText), c.shown);
    EXPECT_EQ(page.Buffer(), c.shown);
}

INSTANTIATE_TEST_SUITE_P(Cases, DefaultDestination, ::testing::Values(
    DefaultCase{"program_files", "C:\\Program Files", "C:\\WINDOWS", "C:\\Program Files\\TV Drovan"},
    DefaultCase{"program_files_moved_to_windows_drive", "D:\\Programme", "E:\\WINNT", "E:\\Programme\\TV Drovan"},
    DefaultCase{"undefined", nullptr, "C:\\WINDOWS", "C:\\TV Drovan"},
    DefaultCase{"undefined_windows_on_d", nullptr, "D:\\WINDOWS", "D:\\TV Drovan"},
    DefaultCase{"network_program_files_kept", "\\\\srv\\apps", "C:\\WINDOWS", "\\\\srv\\apps\\TV Drovan"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DestinationPage, FormatsItsTextsAndTheJapaneseNoteOnlyOnJapaneseSystems) {
    for (const std::uint16_t language : {0x0411, 0x0407}) {
        SetupWorld w;
        w.system.languages["C:\\WINDOWS\\SYSTEM32\\USER.EXE"] = language;
        setup::CMainFrame frame(w.files);
        CDestinationDlg page(w.services, frame.directories);
        setup::HeadlessDialog view;
        view.SetText(CDestinationDlg::kInstallText, "Setup will install %s  in the following directory.");
        view.SetText(CDestinationDlg::kCancelText, "You can choose not to install %s by clicking Cancel to exit Setup.");
        view.SetText(CDestinationDlg::kJapaneseText, "%s files");
        page.OnInitDialog(view);
        EXPECT_EQ(view.GetText(CDestinationDlg::kInstallText), "Setup will install TV Drovan  in the following directory.");
        EXPECT_EQ(view.GetText(CDestinationDlg::kCancelText),
                  "You can choose not to install TV Drovan by clicking Cancel to exit Setup.");
        EXPECT_EQ(view.GetText(CDestinationDlg::kJapaneseText), language == 0x0411 ? "TV Drovan files" : "%s files");
    }
}

TEST(DestinationPage, NextCreatesTheDirectoryAndItsSkinDirectoriesAndEndsTheSheet) {
    SetupWorld w;
    w.files.MakeDirectories("C:\\Program Files");
    w.system.environment["ProgramFiles"] = "C:\\Program Files";
    setup::CMainFrame frame(w.files);
    CDestinationDlg page(w.services, frame.directories);
    setup::HeadlessDialog view;
    page.OnInitDialog(view);
    EXPECT_EQ(page.OnWizardNext(), 1);
    EXPECT_EQ(w.files.Names("C:\\Program Files\\TV Drovan"),
              (std::vector<std::string>{"panelbmp1", "panelbmp2", "panelbmp3"}));
}

// The chooser's three outcomes when OK is pressed.
class Chooser : public ::testing::Test {
protected:
    void SetUp() override {
        w.files.MakeDirectories("C:\\Apps\\Old");
        w.files.AddDrive("R:", 1 << 20);
        w.files.SetDriveWriteProtected("R:", true);
    }
    SetupWorld w;
};

TEST_F(Chooser, AcceptsADirectoryItCanEnter) {
    setup::DirectoryChooser chooser(w.services, "C:\\TV Drovan");
    setup::HeadlessDialog view;
    chooser.OnInit(view);
    EXPECT_EQ(view.GetText(setup::DirectoryChooser::kPathEdit), "C:\\TV Drovan");
    EXPECT_EQ(view.GetText(setup::DirectoryChooser::kFileNameEdit), "Tmp");

    EXPECT_TRUE(chooser.OnOk("C:\\Apps\\Old"));
    EXPECT_EQ(chooser.Accepted(), "C:\\Apps\\Old");
    EXPECT_EQ(w.files.CurrentDirectory(), "C:\\Apps\\Old");
    EXPECT_TRUE(w.boxes.shown.empty());
}

TEST_F(Chooser, AsksBeforeCreatingAndStaysOpenUntilASecondOk) {
    setup::DirectoryChooser chooser(w.services, "C:\\TV Drovan");
    w.boxes.answers = {platform::kIdNo};
    EXPECT_FALSE(chooser.OnOk("C:\\Apps\\New"));
    EXPECT_FALSE(w.files.Exists("C:\\Apps\\New"));   // the trial directory went again

    w.boxes.answers = {platform::kIdYes};
    EXPECT_FALSE(chooser.OnOk("C:\\Apps\\New"));
    EXPECT_TRUE(w.files.IsDirectory("C:\\Apps\\New"));
    ASSERT_EQ(w.boxes.shown.size(), 2u);
    EXPECT_EQ(w.boxes.shown[1].text,
              "The directory:\n\n'C:\\Apps\\New'\n\ndoes not exist. Do you want the directory to be created?");
    EXPECT_EQ(w.boxes.shown[1].caption, "Setup");
    EXPECT_EQ(w.boxes.shown[1].style, platform::kMbYesNo | platform::kMbIconQuestion);

    EXPECT_TRUE(chooser.OnOk("C:\\Apps\\New"));
    EXPECT_EQ(chooser.Accepted(), "C:\\Apps\\New");
}

TEST_F(Chooser, WarnsAboutAPathItCannotCreate) {
    for (const std::string& bad : std::vector<std::string>{"R:\\Protected", "Q:\\NoSuchDrive", "C:\\Missing\\Deeper", "C:\\A*B", "",
                                  "C:\\" + std::string(270, 'x')}) {
        w.boxes.shown.clear();
        setup::DirectoryChooser chooser(w.services, "C:\\TV Drovan");
        EXPECT_FALSE(chooser.OnOk(bad)) << bad;
        ASSERT_EQ(w.boxes.shown.size(), 1u) << bad;
        EXPECT_EQ(w.boxes.shown[0].text,
                  "The specified directory:\n\n'" + bad +
                      "'\n\nis invalid, incomplete or write protected. Please type a full path with drive letter; "
                      "for example 'C:\\APPS'.");
        EXPECT_EQ(w.boxes.shown[0].style, platform::kMbOk | platform::kMbIconExclamation);
    }
}

TEST_F(Chooser, DestinationChangesOnlyWhenTheChooserEndsWithOk) {
    setup::CMainFrame frame(w.files);
    CDestinationDlg page(w.services, frame.directories);
    setup::HeadlessDialog view;
    page.OnInitDialog(view);
    const std::string shown = page.Buffer();

    auto chooser = page.MakeChooser();
    w.boxes.answers = {platform::kIdNo};
    chooser.OnOk("C:\\Apps\\Elsewhere");          // declined, then the chooser is cancelled
    page.OnChooserClosed(chooser, false, view);
    EXPECT_EQ(page.Buffer(), shown);
    EXPECT_EQ(view.GetText(CDestinationDlg::kPathText), shown);

    auto second = page.MakeChooser();
    ASSERT_TRUE(second.OnOk("C:\\Apps\\Old"));
    page.OnChooserClosed(second, true, view);
    EXPECT_EQ(page.Buffer(), "C:\\Apps\\Old");
    EXPECT_EQ(view.GetText(CDestinationDlg::kPathText), "C:\\Apps\\Old");
}

TEST_F(Chooser, ExitSetupAfterABrowseThatCreatedTheDirectoryLeavesNoEmptyDirectory) {
    setup::CMainFrame frame(w.files);
    CDestinationDlg page(w.services, frame.directories);
    setup::HeadlessDialog view;
    page.OnInitDialog(view);
    auto chooser = page.MakeChooser();
    w.boxes.answers = {platform::kIdYes};
    ASSERT_FALSE(chooser.OnOk(page.Buffer()));
    ASSERT_TRUE(chooser.OnOk(page.Buffer()));   // the current directory is now inside it
    page.OnChooserClosed(chooser, true, view);
    ASSERT_TRUE(w.files.IsDirectory("C:\\TV Drovan"));

    w.dialogs.answers = {platform::kIdOk};          // Resume
    EXPECT_FALSE(page.OnQueryCancel());
    EXPECT_TRUE(w.files.IsDirectory("C:\\TV Drovan"));
    w.dialogs.answers = {platform::kIdCancel};      // Exit Setup
    EXPECT_TRUE(page.OnQueryCancel());
    EXPECT_FALSE(w.files.Exists("C:\\TV Drovan"));
    EXPECT_EQ(w.dialogs.events, (std::vector<std::string>{"modal 136", "modal 136"}));
}

TEST_F(Chooser, ExitSetupRemovesADirectoryCreatedByACancelledChooserButKeepsFullOnes) {
    setup::CMainFrame frame(w.files);
    CDestinationDlg page(w.services, frame.directories);
    setup::HeadlessDialog view;
    page.OnInitDialog(view);
    auto chooser = page.MakeChooser();
    w.boxes.answers = {platform::kIdYes};
    chooser.OnOk("C:\\Apps\\Tried");
    page.OnChooserClosed(chooser, false, view);
    page.SetPath("C:\\Apps\\Old");
    w.files.PutText("C:\\Apps\\Old\\keep.txt", "x");

    w.dialogs.answers = {platform::kIdCancel};
    EXPECT_TRUE(page.OnQueryCancel());
    EXPECT_FALSE(w.files.Exists("C:\\Apps\\Tried"));
    EXPECT_TRUE(w.files.IsFile("C:\\Apps\\Old\\keep.txt"));
}

TEST(WelcomePage, FormatsItsTextAndSetsTheButtons) {
    setup::CWelcomeDlg page;
    setup::HeadlessDialog view;
    view.SetText(setup::CWelcomeDlg::kWelcomeText,
                 "Welcome to the %s %s Setup program. This program will install %s %s on your computer.");
    page.OnInitDialog(view);
    EXPECT_EQ(view.GetText(setup::CWelcomeDlg::kWelcomeText),
              "Welcome to the Kestrova TV Drovan Setup program. This program will install Kestrova TV Drovan on your "
              "computer.");
    platform::fake::FakeWizardSheet sheet;
    page.OnSetActive(sheet);
    page.OnKillActive(sheet);
    EXPECT_EQ(sheet.buttonSets, (std::vector<unsigned>{platform::kWizNext, platform::kWizBack | platform::kWizNext}));
}

TEST(LicensePage, ShowsTheFormattedAgreementAndLabelsYesAndNoWhileActive) {
    SetupWorld w;
    w.strings.strings[57345] = "%s grants you a licence. ";
    w.strings.strings[57346] = "%s keeps all rights; %s, %s and %s%%.";
    setup::CLicenseDlg page(w.strings);
    setup::HeadlessDialog view;
    view.SetText(setup::CLicenseDlg::kQuestionText, "To install %s, you must accept this agreement.");
    page.OnInitDialog(view);
    EXPECT_EQ(view.GetText(setup::CLicenseDlg::kAgreementEdit),
              "Vostrane Technologies Inc. grants you a licence. VOSTRANE keeps all rights; VOSTRANE, VOSTRANE and "
              "VOSTRANE%.      ");
    EXPECT_EQ(view.GetText(setup::CLicenseDlg::kQuestionText), "To install TV Drovan, you must accept this agreement.");

    platform::fake::FakeWizardSheet sheet;
    page.OnSetActive(sheet);
    EXPECT_EQ(sheet.texts[platform::kSheetNextButton], "Yes");
    EXPECT_EQ(sheet.texts[platform::kSheetCancelButton], "No");
    w.dialogs.answers = {platform::kIdOk};   // "No" raises Exit Setup; Resume keeps the labels
    EXPECT_FALSE(page.OnQueryCancel(w.dialogs));
    EXPECT_EQ(sheet.texts[platform::kSheetNextButton], "Yes");
    page.OnKillActive(sheet);
    EXPECT_EQ(sheet.texts[platform::kSheetNextButton], "&Next >");
    EXPECT_EQ(sheet.texts[platform::kSheetCancelButton], "Cancel");
}

TEST(CompletePage, RestartsOnlyWhenYesStaysSelected) {
    for (const bool yes : {true, false}) {
        SetupWorld w;
        setup::CCompleteDlg page;
        setup::HeadlessDialog view;
        page.OnInitDialog(view);
        EXPECT_TRUE(view.IsChecked(setup::CCompleteDlg::kRestartNow));
        platform::fake::FakeWizardSheet sheet;
        page.OnSetActive(sheet);
        EXPECT_EQ(sheet.buttonSets, std::vector<unsigned>{platform::kWizFinish});
        EXPECT_TRUE(sheet.hidden[platform::kSheetCancelButton]);
        if (!yes) {
            view.Check(setup::CCompleteDlg::kRestartNow, false);
            view.Check(setup::CCompleteDlg::kRestartLater, true);
        }
        w.system.rebootWorks = true;
        page.OnWizardFinish(view, w.system);
        EXPECT_EQ(w.system.events, yes ? std::vector<std::string>{"reboot"} : std::vector<std::string>{});
    }
}

}  // namespace
