#include "ui/window/Main.h"

#include "model/Declaration.h"
#include "ui/dialogs/Interaction.h"
#include "ui/pickers/InputInspectionNumber.h"
#include "ui/result/ResultStrip.h"
#include "ui/widgets/EditWatch.h"
#include "ui/widgets/FrameFocus.h"
#include "ui/widgets/Mnemonics.h"
#include "ui/window/AppSettings.h"
#include "ui/window/DocumentRecovery.h"
#include "ui/window/PrinterIcon.h"
#include "ui/window/SectionButton.h"
#include "ui/window/SectionFrames.h"
#include "ui/window/StartForm.h"
#include "ui/window/WindowPlacement.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

TFormMain::TFormMain(std::unique_ptr<Interaction> interaction, Options options)
    : m_interaction(std::move(interaction)), m_document(std::make_unique<mTDeclaration>()),
      m_folders(std::move(options.folders)), m_sounImporter(std::move(options.sounImporter))
{
    InitUiResources();
    setObjectName(QStringLiteral("TFormMain"));
    setMinimumSize(standardMinimum());
    setWindowIcon(QIcon(QStringLiteral(":/ui/tarvika.png")));
    const Commands commands = buildActions();
    buildMenus(commands);
    buildToolBar(commands);
    buildSectionButtons();
    buildResultStrip();
    applyToolbarSettings();
    m_recovery = new DocumentRecovery(
        m_folders.user.isEmpty() ? QString()
                                 : QDir(m_folders.user).filePath(QStringLiteral("recovery")),
        [this] { return screenDeclaration(); }, options.recoveryDelay, this);
    qApp->installEventFilter(new MnemonicWatch(this));
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { focusChanged(now); });
    // Placed before anything is asked, so that a question at startup stands where the window
    // will, not at the screen's corner.
    placeOnScreen();

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
    // What the application reports while the window's widgets go is no longer the window's.
    qApp->removeEventFilter(this);
    disconnect(qApp, nullptr, this, nullptr);
    // The frame edits the document: it goes first, then the copies of its changes.
    delete m_frame;
    m_frame = nullptr;
    delete m_recovery;
    m_recovery = nullptr;
}

TFormMain::Commands TFormMain::buildActions()
{
    QStyle* look = style();
    const auto action = [this](const QString& caption, const QString& name, auto slot) {
        auto* created = new QAction(caption, this);
        created->setObjectName(name);
        connect(created, &QAction::triggered, this, slot);
        return created;
    };
    QAction* create =
        action(QStringLiteral("&Создать"), QStringLiteral("CreateDoc"), &TFormMain::CreateDoc);
    create->setIcon(look->standardIcon(QStyle::SP_FileIcon));
    create->setShortcut(QKeySequence::New);
    QAction* open =
        action(QStringLiteral("&Открыть"), QStringLiteral("OpenDoc"), &TFormMain::OpenDoc);
    open->setIcon(look->standardIcon(QStyle::SP_DialogOpenButton));
    open->setShortcut(QKeySequence::Open);
    QAction* save =
        action(QStringLiteral("Со&хранить"), QStringLiteral("SaveDoc"), &TFormMain::SaveDoc);
    save->setIcon(look->standardIcon(QStyle::SP_DialogSaveButton));
    save->setShortcut(QKeySequence::Save);
    QAction* saveAs = action(QStringLiteral("Сохранить &как..."), QStringLiteral("SaveAsDoc"),
                             &TFormMain::SaveAsDoc);
    QAction* nextYear = action(QStringLiteral("Декларация за следующий &год..."),
                               QStringLiteral("NextYearDoc"), &TFormMain::NextYearDoc);
    saveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    QAction* quit = action(QStringLiteral("В&ыход"), QStringLiteral("Quit"), &QWidget::close);
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    QAction* preview =
        action(QStringLiteral("Прос&мотр"), QStringLiteral("PreviewDoc"), &TFormMain::PreviewDoc);
    preview->setIcon(look->standardIcon(QStyle::SP_FileDialogContentsView));
    preview->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    QAction* print =
        action(QStringLiteral("&Печать"), QStringLiteral("PrintDoc"), &TFormMain::PrintDoc);
    print->setIcon(PrinterIcon());
    print->setShortcut(QKeySequence::Print);
    QAction* exportXml = action(QStringLiteral("&Экспорт в xml"), QStringLiteral("ExportDoc"),
                                &TFormMain::ExportDoc);
    exportXml->setIconText(QStringLiteral("Файл xml"));
    exportXml->setIcon(look->standardIcon(QStyle::SP_ArrowRight));
    exportXml->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    QAction* check =
        action(QStringLiteral("Пр&оверить"), QStringLiteral("CheckDoc"), &TFormMain::CheckDoc);
    check->setIcon(look->standardIcon(QStyle::SP_DialogApplyButton));
    check->setShortcut(QKeySequence(Qt::Key_F9));
    QAction* taxResult = action(QStringLiteral("&Расчёт налога"), QStringLiteral("ShowTaxResult"),
                                &TFormMain::ShowTaxResult);
    taxResult->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    QAction* help = action(QStringLiteral("&Справка"), QStringLiteral("Help"), &TFormMain::Help);
    help->setShortcut(QKeySequence(Qt::Key_F1));
    help->setShortcutContext(Qt::WindowShortcut);
    QAction* about =
        action(QStringLiteral("&О программе"), QStringLiteral("About"), &TFormMain::About);

    m_showToolbar = new QAction(QStringLiteral("Стандартная &панель"), this);
    m_showToolbar->setObjectName(QStringLiteral("ShowStdToolbar"));
    m_showToolbar->setCheckable(true);
    m_textLabels = new QAction(QStringLiteral("Подписи под &кнопками"), this);
    m_textLabels->setObjectName(QStringLiteral("TextLabels"));
    m_textLabels->setCheckable(true);
    connect(m_showToolbar, &QAction::toggled, this, [this](bool show) {
        AppSettings::setShowStdToolbar(show);
        m_toolBar->setVisible(show);
    });
    connect(m_textLabels, &QAction::toggled, this, [this](bool labels) {
        AppSettings::setTextLabels(labels);
        applyToolbarSettings();
    });
    return {create, open,      save,  saveAs,    nextYear, quit, preview,
            print,  exportXml, check, taxResult, help,     about};
}

void TFormMain::buildMenus(const Commands& c)
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Файл"));
    file->addActions({c.create, c.open, c.save, c.saveAs});
    file->addSeparator();
    file->addAction(c.nextYear);
    file->addSeparator();
    file->addAction(c.quit);
    QMenu* declaration = menuBar()->addMenu(QStringLiteral("&Декларация"));
    declaration->addActions({c.preview, c.print, c.exportXml, c.check, c.taxResult});
    QMenu* settings = menuBar()->addMenu(QStringLiteral("&Настройки"));
    settings->addActions({m_showToolbar, m_textLabels});
    QMenu* helpMenu = menuBar()->addMenu(QStringLiteral("&Справка"));
    helpMenu->addAction(c.help);
    helpMenu->addSeparator();
    helpMenu->addAction(c.about);
}

void TFormMain::buildToolBar(const Commands& c)
{
    m_toolBar = addToolBar(QStringLiteral("Стандартная панель"));
    m_toolBar->setObjectName(QStringLiteral("StdToolbar"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->toggleViewAction()->setEnabled(false);
    m_toolBar->addActions({c.create, c.open, c.save});
    m_toolBar->addSeparator();
    m_toolBar->addActions({c.preview, c.print});
    m_toolBar->addSeparator();
    m_toolBar->addActions({c.exportXml, c.check});
    const std::pair<QAction*, const char*> names[] = {
        {c.create, "fbCreate"}, {c.open, "fbOpen"},   {c.save, "fbSave"},
        {c.preview, "fbView"},  {c.print, "fbPrint"}, {c.exportXml, "fbExsport"},
        {c.check, "fbCheck"}};
    for (const auto& [command, name] : names) {
        QWidget* button = m_toolBar->widgetForAction(command);
        button->setObjectName(QString::fromLatin1(name));
        // The tool bar is a row of Tab stops too.
        button->setFocusPolicy(Qt::TabFocus);
    }
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
    m_toolBar->setMinimumHeight(labels ? 50 : 38);
}

void TFormMain::buildSectionButtons()
{
    auto* central = new QWidget(this);
    auto* column = new SectionColumn(central);
    column->setObjectName(QStringLiteral("PnlSelectGroup"));
    column->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    auto* columnLayout = new QVBoxLayout(column);
    columnLayout->setContentsMargins(0, 0, 0, 0);
    columnLayout->setSpacing(0);
    for (const Section section : SectionFrames::kAll) {
        auto* button = new SectionButton(SectionFrames::caption(section), column);
        button->setObjectName(SectionFrames::buttonName(section));
        button->setToolTip(SectionFrames::hint(section));
        m_sectionButtons[section] = button;
        columnLayout->addWidget(button);
        connect(button, &QAbstractButton::clicked, this,
                [this, section] { selectSection(section); });
    }
    columnLayout->addStretch();

    // A section that needs more room than the window gives scrolls inside it.
    m_workArea = new QScrollArea(central);
    m_workArea->setObjectName(QStringLiteral("scrWorkArea"));
    m_workArea->setWidgetResizable(true);
    m_workArea->setFrameShape(QFrame::NoFrame);
    m_workArea->setFocusPolicy(Qt::NoFocus);
    m_container = new QWidget;
    m_container->setObjectName(QStringLiteral("PnlFormContainer"));
    auto* containerLayout = new QVBoxLayout(m_container);
    containerLayout->setContentsMargins(0, 0, 0, 0);
    m_workArea->setWidget(m_container);

    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(column);
    layout->addWidget(m_workArea, 1);
    setCentralWidget(central);
}

QAbstractButton* TFormMain::sectionButton(Section section) const
{
    return m_sectionButtons.at(section);
}

QSize TFormMain::standardMinimum() const
{
    const QSize standard(WindowPlacement::kMinWidth, WindowPlacement::kMinHeight);
    const QScreen* shown = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    return shown != nullptr ? standard.boundedTo(shown->availableSize()) : standard;
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
    m_sectionButtons.at(section)->makeCurrent();
    frame->show();
    m_building = false;
    m_workArea->verticalScrollBar()->setValue(0);
    m_workArea->horizontalScrollBar()->setValue(0);
    FocusFirstField(*frame);
    keepResultStripLast();
    // A new document or a frame that set its defaults.
    m_resultStrip->scheduleUpdate();
}

void TFormMain::keepResultStripLast()
{
    QWidget* last = previousInFocusChain();
    while (last != this && (last->focusPolicy() == Qt::NoFocus || last->isWindow()))
        last = last->previousInFocusChain();
    if (last != this && last != m_resultStrip)
        QWidget::setTabOrder(last, m_resultStrip);
}

void TFormMain::focusChanged(QWidget* now)
{
    if (now == nullptr || now->window() != this)
        return;
    m_lastFocus = now;
    if (m_container->isAncestorOf(now))
        m_workArea->ensureWidgetVisible(now);
}

bool TFormMain::selectSection(Section section)
{
    if (m_frame != nullptr && section == m_section) {
        // The section shown, chosen again from its button: on into it.
        FocusFirstField(*m_frame);
        return true;
    }
    if (m_frame != nullptr) {
        m_frame->StoreData();
        if (const quint16 code = m_frame->CheckData(); code != 0) {
            m_frame->FocusError(code);
            return false;
        }
    }
    replaceFrame(section);
    return true;
}

bool TFormMain::placeOnScreen()
{
    const QScreen* screen =
        this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
    const QRect whole = screen != nullptr ? screen->geometry() : QRect(0, 0, 1024, 768);
    const QRect work = screen != nullptr ? screen->availableGeometry() : whole;
    const WindowPlacement placement =
        WindowPlacement::fit(AppSettings::placement(), whole.width(), work.height());
    setGeometry(placement.geometry);
    return placement.maximised;
}

void TFormMain::showPlaced()
{
    if (placeOnScreen())
        showMaximized();
    else
        show();
}

bool TFormMain::eventFilter(QObject* watched, QEvent* event)
{
    // A sub-frame shown: its controls came last in the order of Tab, after the result line.
    if (event->type() == QEvent::Show && qobject_cast<TThinkingFrame*>(watched) != nullptr &&
        m_container->isAncestorOf(static_cast<QWidget*>(watched)))
        keepResultStripLast();
    return QMainWindow::eventFilter(watched, event);
}

void TFormMain::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // A command that disabled the window (export, print) took the focus away; it comes back.
    if (event->type() == QEvent::EnabledChange && isEnabled() && !m_lastFocus.isNull() &&
        m_lastFocus->isEnabled() && m_lastFocus->isVisible() && focusWidget() != m_lastFocus)
        m_lastFocus->setFocus(Qt::OtherFocusReason);
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
