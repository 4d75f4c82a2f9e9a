#include "ui/window/Main.h"

#include "model/Declaration.h"
#include "ui/dialogs/Interaction.h"
#include "ui/pickers/InputInspectionNumber.h"
#include "ui/result/ResultStrip.h"
#include "ui/widgets/EditWatch.h"
#include "ui/window/AppSettings.h"
#include "ui/window/DocumentRecovery.h"
#include "ui/window/PrinterIcon.h"
#include "ui/window/SectionFrames.h"
#include "ui/window/StartForm.h"
#include "ui/window/WindowPlacement.h"

#include <QActionGroup>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kSectionButtonWidth = 185;
constexpr int kSectionButtonHeight = 75;

// Breaks a caption that is wider than its button at the space nearest to its middle.
void fitCaption(QToolButton* button)
{
    QFont font = button->font();
    font.setBold(true);
    button->setFont(font);
    const QString caption = button->text();
    if (QFontMetrics(font).horizontalAdvance(caption) <= kSectionButtonWidth - 12)
        return;
    const qsizetype middle = caption.size() / 2;
    qsizetype best = -1;
    for (qsizetype at = 0; at < caption.size(); ++at) {
        if (caption.at(at) == QLatin1Char(' ') &&
            (best < 0 || qAbs(at - middle) < qAbs(best - middle)))
            best = at;
    }
    if (best > 0)
        button->setText(caption.left(best) + QLatin1Char('\n') + caption.mid(best + 1));
}

} // namespace

TFormMain::TFormMain(std::unique_ptr<Interaction> interaction, Options options)
    : m_interaction(std::move(interaction)), m_document(std::make_unique<mTDeclaration>()),
      m_folders(std::move(options.folders)), m_sounImporter(std::move(options.sounImporter))
{
    InitUiResources();
    setObjectName(QStringLiteral("TFormMain"));
    setMinimumSize(WindowPlacement::kMinWidth, WindowPlacement::kMinHeight);
    setWindowIcon(QIcon(QStringLiteral(":/ui/tarvika.png")));
    buildActions();
    buildSectionButtons();
    buildResultStrip();
    applyToolbarSettings();
    m_recovery = new DocumentRecovery(
        m_folders.user.isEmpty() ? QString()
                                 : QDir(m_folders.user).filePath(QStringLiteral("recovery")),
        [this] { return screenDeclaration(); }, options.recoveryDelay, this);

    // The command line names the file to open: the first of one or two arguments, or the second
    // when the first is "-p".
    const QStringList& args = options.arguments;
    if (args.size() == 1 || args.size() == 2) {
        m_fileName = args.first().toLower() == QStringLiteral("-p") ? args.value(1) : args.first();
        openAtStartup();
    } else {
        m_document->SetInteractiveDefaults();
    }
    updateTitle();
    loadDirectories();
    if (!m_startupSucceeded)
        return;
    m_recovery->track(m_fileName);
    const bool restored = offerRecovery();
    replaceFrame(Section::InitialData);
    m_saved = !restored;
    applyButtonRule();
}

TFormMain::~TFormMain()
{
    // The frame edits the document: it goes first, then the copies of its changes.
    delete m_frame;
    m_frame = nullptr;
    delete m_recovery;
    m_recovery = nullptr;
}

void TFormMain::buildActions()
{
    QStyle* look = style();
    const auto action = [this](const QString& caption, const QString& name, auto slot) {
        auto* created = new QAction(caption, this);
        created->setObjectName(name);
        connect(created, &QAction::triggered, this, slot);
        return created;
    };
    QAction* create =
        action(QStringLiteral("Создать"), QStringLiteral("CreateDoc"), &TFormMain::CreateDoc);
    create->setIcon(look->standardIcon(QStyle::SP_FileIcon));
    create->setShortcut(QKeySequence::New);
    QAction* open =
        action(QStringLiteral("Открыть"), QStringLiteral("OpenDoc"), &TFormMain::OpenDoc);
    open->setIcon(look->standardIcon(QStyle::SP_DialogOpenButton));
    open->setShortcut(QKeySequence::Open);
    QAction* save =
        action(QStringLiteral("Сохранить"), QStringLiteral("SaveDoc"), &TFormMain::SaveDoc);
    save->setIcon(look->standardIcon(QStyle::SP_DialogSaveButton));
    save->setShortcut(QKeySequence::Save);
    QAction* saveAs = action(QStringLiteral("Сохранить как..."), QStringLiteral("SaveAsDoc"),
                             &TFormMain::SaveAsDoc);
    QAction* nextYear = action(QStringLiteral("Декларация за следующий год..."),
                               QStringLiteral("NextYearDoc"), &TFormMain::NextYearDoc);
    QAction* quit = action(QStringLiteral("Выход"), QStringLiteral("Quit"), &QWidget::close);
    QAction* preview =
        action(QStringLiteral("Просмотр"), QStringLiteral("PreviewDoc"), &TFormMain::PreviewDoc);
    preview->setIcon(look->standardIcon(QStyle::SP_FileDialogContentsView));
    QAction* print =
        action(QStringLiteral("Печать"), QStringLiteral("PrintDoc"), &TFormMain::PrintDoc);
    print->setIcon(PrinterIcon());
    print->setShortcut(QKeySequence::Print);
    QAction* exportXml =
        action(QStringLiteral("Экспорт в xml"), QStringLiteral("ExportDoc"), &TFormMain::ExportDoc);
    exportXml->setIconText(QStringLiteral("Файл xml"));
    exportXml->setIcon(look->standardIcon(QStyle::SP_ArrowRight));
    QAction* check =
        action(QStringLiteral("Проверить"), QStringLiteral("CheckDoc"), &TFormMain::CheckDoc);
    check->setIcon(look->standardIcon(QStyle::SP_DialogApplyButton));
    QAction* taxResult = action(QStringLiteral("Расчёт налога"), QStringLiteral("ShowTaxResult"),
                                &TFormMain::ShowTaxResult);
    QAction* help = action(QStringLiteral("Справка"), QStringLiteral("Help"), &TFormMain::Help);
    help->setShortcut(QKeySequence(Qt::Key_F1));
    help->setShortcutContext(Qt::WindowShortcut);
    QAction* about =
        action(QStringLiteral("О программе"), QStringLiteral("About"), &TFormMain::About);

    m_showToolbar = new QAction(QStringLiteral("Стандартная панель"), this);
    m_showToolbar->setObjectName(QStringLiteral("ShowStdToolbar"));
    m_showToolbar->setCheckable(true);
    m_textLabels = new QAction(QStringLiteral("Подписи под кнопками"), this);
    m_textLabels->setObjectName(QStringLiteral("TextLabels"));
    m_textLabels->setCheckable(true);

    QMenu* file = menuBar()->addMenu(QStringLiteral("Файл"));
    file->addActions({create, open, save, saveAs});
    file->addSeparator();
    file->addAction(nextYear);
    file->addSeparator();
    file->addAction(quit);
    QMenu* declaration = menuBar()->addMenu(QStringLiteral("Декларация"));
    declaration->addActions({preview, print, exportXml, check, taxResult});
    QMenu* settings = menuBar()->addMenu(QStringLiteral("Настройки"));
    settings->addActions({m_showToolbar, m_textLabels});
    QMenu* helpMenu = menuBar()->addMenu(QStringLiteral("Справка"));
    helpMenu->addAction(help);
    helpMenu->addSeparator();
    helpMenu->addAction(about);

    m_toolBar = addToolBar(QStringLiteral("Стандартная панель"));
    m_toolBar->setObjectName(QStringLiteral("StdToolbar"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->toggleViewAction()->setEnabled(false);
    m_toolBar->addActions({create, open, save});
    m_toolBar->addSeparator();
    m_toolBar->addActions({preview, print});
    m_toolBar->addSeparator();
    m_toolBar->addActions({exportXml, check});
    const std::pair<QAction*, const char*> names[] = {
        {create, "fbCreate"}, {open, "fbOpen"},         {save, "fbSave"},  {preview, "fbView"},
        {print, "fbPrint"},   {exportXml, "fbExsport"}, {check, "fbCheck"}};
    for (const auto& [command, name] : names)
        m_toolBar->widgetForAction(command)->setObjectName(QString::fromLatin1(name));

    connect(m_showToolbar, &QAction::toggled, this, [this](bool show) {
        AppSettings::setShowStdToolbar(show);
        m_toolBar->setVisible(show);
    });
    connect(m_textLabels, &QAction::toggled, this, [this](bool labels) {
        AppSettings::setTextLabels(labels);
        applyToolbarSettings();
    });
}

void TFormMain::applyToolbarSettings()
{
    const bool labels = AppSettings::textLabels();
    const bool show = AppSettings::showStdToolbar();
    {
        const QSignalBlocker blockShow(m_showToolbar);
        const QSignalBlocker blockLabels(m_textLabels);
        m_showToolbar->setChecked(show);
        m_textLabels->setChecked(labels);
    }
    m_toolBar->setVisible(show);
    m_toolBar->setToolButtonStyle(labels ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
    m_toolBar->setIconSize(QSize(24, 24));
    for (QToolButton* button : m_toolBar->findChildren<QToolButton*>()) {
        if (button->defaultAction() == nullptr || button->objectName().isEmpty())
            continue;
        button->setFixedSize(labels ? QSize(80, 47) : QSize(35, 35));
    }
    m_toolBar->setMinimumHeight(labels ? 50 : 38);
}

void TFormMain::buildSectionButtons()
{
    auto* central = new QWidget(this);
    auto* column = new QWidget(central);
    column->setObjectName(QStringLiteral("PnlSelectGroup"));
    column->setFixedWidth(kSectionButtonWidth);
    auto* columnLayout = new QVBoxLayout(column);
    columnLayout->setContentsMargins(0, 0, 0, 0);
    columnLayout->setSpacing(0);
    m_sectionGroup = new QButtonGroup(this);
    m_sectionGroup->setExclusive(true);
    for (const Section section : SectionFrames::kAll) {
        auto* button = new QToolButton(column);
        button->setObjectName(SectionFrames::buttonName(section));
        button->setText(SectionFrames::caption(section));
        fitCaption(button);
        button->setToolTip(SectionFrames::hint(section));
        button->setCheckable(true);
        button->setFixedSize(kSectionButtonWidth, kSectionButtonHeight);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        m_sectionGroup->addButton(button);
        m_sectionButtons[section] = button;
        columnLayout->addWidget(button);
        connect(button, &QToolButton::clicked, this, [this, section] { selectSection(section); });
    }
    columnLayout->addStretch();

    m_container = new QWidget(central);
    m_container->setObjectName(QStringLiteral("PnlFormContainer"));
    auto* containerLayout = new QVBoxLayout(m_container);
    containerLayout->setContentsMargins(0, 0, 0, 0);

    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(column);
    layout->addWidget(m_container, 1);
    setCentralWidget(central);
}

QAbstractButton* TFormMain::sectionButton(Section section) const
{
    return m_sectionButtons.at(section);
}

void TFormMain::setSectionEnabled(Section section, bool enabled)
{
    m_sectionButtons.at(section)->setEnabled(enabled);
}

void TFormMain::NotifyDocumentChanged()
{
    if (m_building)
        return;
    m_saved = false;
    m_resultStrip->scheduleUpdate();
    if (m_recovery != nullptr)
        m_recovery->changed();
}

void TFormMain::applyButtonRule()
{
    // As the conditions frame enables them: a 4-NDFL has no income sections, a non-resident's
    // 3-NDFL no foreign or business income, whatever income kinds the file holds.
    const mTDeclaration& doc = *m_document;
    const bool resident = doc.DeclForm == DeclarationForm::Resident;
    const bool estimated = doc.DeclForm == DeclarationForm::EstimatedIncome;
    setSectionEnabled(Section::RussianIncome, !estimated && doc.HasIncomeKind(IncomeKind::Country));
    setSectionEnabled(Section::ForeignIncome, resident && doc.HasIncomeKind(IncomeKind::Abroad));
    setSectionEnabled(Section::BusinessIncome, resident && doc.HasIncomeKind(IncomeKind::Business));
    setSectionEnabled(Section::Deduction, resident && doc.IncomeKinds() != 0);
}

void TFormMain::updateTitle()
{
    const QString name =
        m_fileName.isEmpty() ? QStringLiteral("Без имени") : QFileInfo(m_fileName).fileName();
    setWindowTitle(name + QStringLiteral(" - ") + Interaction::programCaption());
}

void TFormMain::replaceFrame(Section section)
{
    m_building = true;
    TThinkingFrame* frame = SectionFrames::create(section, m_container, *this);
    WatchEdits(*frame, *this);
    m_container->layout()->addWidget(frame);
    delete m_frame;
    m_frame = frame;
    m_section = section;
    m_sectionButtons.at(section)->setChecked(true);
    m_building = false;
    // A new document or a frame that set its defaults.
    m_resultStrip->scheduleUpdate();
}

bool TFormMain::selectSection(Section section)
{
    if (m_frame != nullptr && section == m_section) {
        m_sectionButtons.at(m_section)->setChecked(true);
        return true;
    }
    if (m_frame != nullptr) {
        m_frame->StoreData();
        if (const quint16 code = m_frame->CheckData(); code != 0) {
            m_sectionButtons.at(m_section)->setChecked(true);
            m_frame->FocusError(code);
            return false;
        }
    }
    replaceFrame(section);
    return true;
}

void TFormMain::showPlaced()
{
    const QScreen* screen =
        this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
    const QRect whole = screen != nullptr ? screen->geometry() : QRect(0, 0, 1024, 768);
    const QRect work = screen != nullptr ? screen->availableGeometry() : whole;
    const WindowPlacement placement =
        WindowPlacement::fit(AppSettings::placement(), whole.width(), work.height());
    setGeometry(placement.geometry);
    if (placement.maximised)
        showMaximized();
    else
        show();
}

bool TFormMain::event(QEvent* event)
{
    const bool handled = QMainWindow::event(event);
    // A frame or sub-frame shown, or a control that grew, asks its window to lay it out again.
    if (event->type() == QEvent::LayoutRequest)
        fitMinimumToContent();
    return handled;
}

void TFormMain::fitMinimumToContent()
{
    // The window is never smaller than the standard size, nor than what its content needs: a
    // control that does not fit would be hidden. Once shown, the menu and tool bars take the room
    // they are laid out in (a tool bar never shrinks below its size hint).
    const QSize content =
        isVisible() ? centralWidget()->minimumSizeHint() + size() - centralWidget()->size()
                    : layout()->totalMinimumSize();
    const QSize needed =
        content.expandedTo(QSize(WindowPlacement::kMinWidth, WindowPlacement::kMinHeight));
    if (needed != minimumSize())
        setMinimumSize(needed);
}

void TFormMain::closeEvent(QCloseEvent* event)
{
    if (!askToSave()) {
        event->ignore();
        return;
    }
    // Saved or given up: no copy of it is kept.
    m_recovery->track(QString());
    AppSettings::setPlacement(normalGeometry(), isMaximized());
    event->accept();
}
