#pragma once

#include "directories/DirectoryFiles.h"
#include "directories/ProgramFolders.h"
#include "storage/FileStamp.h"
#include "ui/pickers/LoadSoun.h"
#include "ui/widgets/MyFrame.h"
#include "ui/window/SectionButton.h"

#include <QMainWindow>
#include <QPointer>
#include <chrono>
#include <map>
#include <memory>

enum class EntryPlace;

class QAbstractButton;
class QAction;
class QScrollArea;
class QToolBar;
class DocumentRecovery;
class ResultStrip;
struct SectionPlace;
class TfmGrazhd;
class TfmInputInspectionNumber;

// The program's main window. It owns the one declaration, its file name and saved flag, the
// section frame shown in the working area, the pickers built from the directory files at start-up,
// and the interaction through which every modal question is asked.
class TFormMain : public QMainWindow, public FrameHost
{
    Q_OBJECT

public:
    struct Options
    {
        // The program's arguments without the program name.
        QStringList arguments;
        // The shipped directory files and help pages, the print module, and the user's data
        // folder that the tax-office import writes into and that is read first.
        ProgramFolders folders;
        // Rebuilds the tax-office directory from the import window; ImportSoun when empty.
        TfmLoadSoun::Importer sounImporter;
        // How long after the last change the recovery copy of unsaved changes is written.
        std::chrono::milliseconds recoveryDelay{3000};
    };

    TFormMain(std::unique_ptr<Interaction> interaction, Options options);
    ~TFormMain() override;

    // False when start-up met a fault after which the program must end (the message was shown).
    bool startupSucceeded() const { return m_startupSucceeded; }
    // Places the window as the settings say, fitted to the screen, and shows it.
    void showPlaced();

    // FrameHost
    mTDeclaration& document() override { return *m_document; }
    void NotifyDocumentChanged() override;
    Interaction& interaction() override { return *m_interaction; }
    void setSectionEnabled(Section section, bool enabled) override;
    TfmInputInspectionNumber* inspectionPicker() override { return m_inspectionPicker; }
    TfmGrazhd* countryPicker() override { return m_countryPicker; }
    const ActivityDirectory* activities() const override;
    const CurrencyDirectory* currencies() const override;
    QString programFolder() const override { return m_folders.shipped; }

    QString fileName() const { return m_fileName; }
    bool isSaved() const { return m_saved; }
    TThinkingFrame* currentFrame() const { return m_frame; }
    Section currentSection() const { return m_section; }
    QAbstractButton* sectionButton(Section section) const;
    // The smallest the window becomes: the standard 800 x 571, or the screen's work area when that
    // is smaller.
    QSize standardMinimum() const;

    // The commands of the menu and the tool bar.
    void CreateDoc();
    void OpenDoc();
    void SaveDoc();
    void SaveAsDoc();
    // Replaces the declaration by next year's one made from it; a year the program does not fill
    // in is refused with a message and changes nothing.
    void NextYearDoc();
    void PreviewDoc();
    void PrintDoc();
    void ExportDoc();
    void CheckDoc();
    void Help();
    void About();

    // Switches to a section as its button does: the frame shown is stored and checked first.
    bool selectSection(Section section);
    // Stores the frame shown, checks the whole declaration and shows the place of an error:
    // 0 passed, 1 the user chose to fix an error, 2 the user cancelled.
    int CheckAndLocate();
    // Shows the section of a check's group and the field of the code there.
    void locateError(int group, quint16 code);

    // The window "Расчёт налога" over the declaration as the screen shows it; a line chosen
    // there leads to the section where its data is entered.
    void ShowTaxResult();
    // Stores the frame shown and shows the section (and sub-section) where data of the place is
    // entered; a place no section shows, or a section that is not available, changes nothing.
    void goToPlace(EntryPlace place);
    // The declaration as the screen shows it: a copy with the values of the frame shown stored
    // into it. The document, the frame and the saved flag stay as they are.
    mTDeclaration screenDeclaration();
    ResultStrip* resultStrip() const { return m_resultStrip; }
    // The recovery copies of the declaration's unsaved changes.
    DocumentRecovery& recovery() const { return *m_recovery; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The commands of the menus and the tool bar.
    struct Commands
    {
        QAction* create;
        QAction* open;
        QAction* save;
        QAction* saveAs;
        QAction* nextYear;
        QAction* quit;
        QAction* preview;
        QAction* print;
        QAction* exportXml;
        QAction* check;
        QAction* taxResult;
        QAction* help;
        QAction* about;
    };

    Commands buildActions();
    void buildMenus(const Commands& commands);
    void buildToolBar(const Commands& commands);
    void buildSectionButtons();
    // Gives the window the place the settings say, fitted to the screen; true when it was
    // maximised.
    bool placeOnScreen();
    void buildResultStrip();
    void applyToolbarSettings();
    void loadDirectories();
    void openAtStartup();
    void replaceFrame(Section section);
    void applyButtonRule();
    // Keeps the result line the last stop of Tab after the controls of a frame or sub-frame shown.
    void keepResultStripLast();
    void focusChanged(QWidget* now);
    void updateTitle();
    void resetDocument();
    bool askToSave();
    bool saveTo(const QString& fileName);
    bool confirmOverwrite(const QString& fileName);
    QString askSaveName();
    bool loadInto(mTDeclaration& target, const QString& fileName);
    // Offers the recovery copies left for the declaration just opened or started; true when one
    // replaced the document.
    bool offerRecovery();
    void PrintOrPreview(bool preview);
    // Shows a section, and the sub-frame with this index when it is not negative, and the field of
    // the code there; the frame shown is replaced without being stored.
    void showPlace(SectionPlace place, quint16 code);

    std::unique_ptr<Interaction> m_interaction;
    std::unique_ptr<mTDeclaration> m_document;
    QString m_fileName;
    // The file as it was when it was opened or last saved here.
    FileStamp m_fileStamp;
    ProgramFolders m_folders;
    TfmLoadSoun::Importer m_sounImporter;
    bool m_saved = true;
    bool m_building = false;
    bool m_startupSucceeded = true;
    TThinkingFrame* m_frame = nullptr;
    ResultStrip* m_resultStrip = nullptr;
    DocumentRecovery* m_recovery = nullptr;
    Section m_section = Section::InitialData;
    QScrollArea* m_workArea = nullptr;
    QWidget* m_container = nullptr;
    std::map<Section, SectionButton*> m_sectionButtons;
    // The control of this window that had the focus last, given it back when the window is
    // enabled again after a command that disabled it.
    QPointer<QWidget> m_lastFocus;
    QToolBar* m_toolBar = nullptr;
    QAction* m_showToolbar = nullptr;
    QAction* m_textLabels = nullptr;
    TfmInputInspectionNumber* m_inspectionPicker = nullptr;
    TfmGrazhd* m_countryPicker = nullptr;
    std::optional<ActivityDirectory> m_activities;
    std::optional<CurrencyDirectory> m_currencies;
};
