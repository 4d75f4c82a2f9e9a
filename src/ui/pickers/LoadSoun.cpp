#include "ui/pickers/LoadSoun.h"

#include "directories/DirectoryFiles.h"
#include "ui/dialogs/HelpWindow.h"
#include "ui/dialogs/Interaction.h"

#include <QDate>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const QString kHelpLink = QStringLiteral("help");
const QString kSiteLink = QStringLiteral("site");

} // namespace

TfmLoadSoun::TfmLoadSoun(QWidget* parent, Interaction& interaction, ProgramFolders folders,
                         Importer importer)
    : QDialog(parent), m_interaction(interaction), m_folders(std::move(folders)),
      m_importer(std::move(importer))
{
    setWindowTitle(QStringLiteral("Загрузка СОУН"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    for (const QString& line :
         {QStringLiteral("Инспекция может отсутствовать в справочнике по двум причинам:"),
          QStringLiteral("- у инспекции изменился код и название, а вы не в курсе"),
          QStringLiteral("- справочник устарел"),
          QStringLiteral("Возможно два решения проблемы: простое и более сложное")})
        layout->addWidget(new QLabel(line, this));
    auto* simple = new QHBoxLayout;
    simple->addWidget(new QLabel(
        QStringLiteral("Простое: отредактировать справочник вручную. Как это сделать,"), this));
    QLabel* helpLink =
        addLink("lbHelpLink", kHelpLink, QStringLiteral("подробно расписано в Справке"));
    helpLink->setAccessibleDescription(
        QStringLiteral("Как отредактировать справочник инспекций вручную"));
    simple->addWidget(helpLink);
    simple->addStretch();
    layout->addLayout(simple);
    layout->addWidget(new QLabel(QStringLiteral("Сложное:"), this));
    layout->addWidget(addLink("lbSiteLink", kSiteLink,
                              QStringLiteral("- скачать актуальный справочник СОУН с сайта ФНС "
                                             "России")));
    for (const QString& line :
         {QStringLiteral("- извлечь из скаченного архива SOUN_DBF.ARJ файл soun1.dbf"),
          QStringLiteral("- указать путь к файлу soun1.dbf и обновить справочник"),
          QStringLiteral("- перезапустить программу \"Тарвика 2013\"")})
        layout->addWidget(new QLabel(line, this));
    layout->addLayout(buildFileRow());

    m_import = new QPushButton(QStringLiteral("Импорт СОУН"), this);
    m_import->setObjectName(QStringLiteral("Button1"));
    m_import->setEnabled(false);
    m_import->setAutoDefault(false);
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("BitBtn1"));
    m_ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_import);
    buttons->addWidget(m_ok);
    layout->addLayout(buttons);
    connect(m_import, &QPushButton::clicked, this, &TfmLoadSoun::runImport);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
}

QLabel* TfmLoadSoun::addLink(const char* name, const QString& target, const QString& text)
{
    auto* label = new QLabel(QStringLiteral("<a href=\"%1\">%2</a>").arg(target, text), this);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    label->setCursor(Qt::PointingHandCursor);
    connect(label, &QLabel::linkActivated, this, &TfmLoadSoun::openLink);
    return label;
}

QHBoxLayout* TfmLoadSoun::buildFileRow()
{
    m_path = new QLineEdit(this);
    m_path->setObjectName(QStringLiteral("edSoun1"));
    m_path->setReadOnly(true);
    auto* caption = new QLabel(QStringLiteral("Файл soun1.dbf"), this);
    caption->setBuddy(m_path);
    auto* choose = new QToolButton(this);
    choose->setObjectName(QStringLiteral("Button4"));
    choose->setText(QStringLiteral("..."));
    choose->setToolTip(QStringLiteral("Выбрать файл soun1.dbf"));
    choose->setAccessibleName(choose->toolTip());
    connect(choose, &QToolButton::clicked, this, &TfmLoadSoun::chooseFile);
    auto* file = new QHBoxLayout;
    file->addWidget(caption);
    file->addWidget(m_path, 1);
    file->addWidget(choose);
    return file;
}

QUrl TfmLoadSoun::sounPageUrl()
{
    return QUrl(QStringLiteral("https://www.nalog.gov.ru/"));
}

void TfmLoadSoun::chooseFile()
{
    FileDialogRequest request;
    request.caption = windowTitle();
    request.directory = m_folders.shipped;
    request.filters = {QStringLiteral("*.dbf (soun1.dbf)")};
    const QString chosen = m_interaction.openFileName(this, request);
    if (!chosen.isEmpty())
        m_path->setText(QDir::toNativeSeparators(chosen));
    m_import->setEnabled(true);
    m_ok->setEnabled(false);
}

void TfmLoadSoun::runImport()
{
    m_ok->setEnabled(true);
    const QString path = m_path->text().trimmed();
    if (path.isEmpty()) {
        m_interaction.showInformation(this, QStringLiteral("Укажите путь к файлу soun1.dbf"));
        return;
    }
    SounImportResult result;
    try {
        const QString output = m_folders.userFile(DirectoryFiles::TaxOffices());
        if (!output.isEmpty() && m_importer)
            result = m_importer(path, output,
                                QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")),
                                QStringLiteral("00"));
    } catch (...) {
        result = SounImportResult();
    }
    m_interaction.showInformation(this, result.message());
}

void TfmLoadSoun::openLink(const QString& target)
{
    if (target == kHelpLink) {
        HelpWindow::showTopic(this, m_interaction, m_folders.shipped,
                              QString::fromLatin1(HelpWindow::kSounTopic));
    } else if (!m_interaction.openUrl(sounPageUrl())) {
        m_interaction.showError(this, QStringLiteral("Не удалось запустить браузер"));
    }
}
