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
#include <QUrl>
#include <QVBoxLayout>

namespace {

const QString kHelpLink = QStringLiteral("help");
const QString kSiteLink = QStringLiteral("site");

QLabel* link(QWidget* parent, const QString& target, const QString& text)
{
    auto* label = new QLabel(QStringLiteral("<a href=\"%1\">%2</a>").arg(target, text), parent);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

} // namespace

TfmLoadSoun::TfmLoadSoun(QWidget* parent, Interaction& interaction, ProgramFolders folders,
                         Importer importer)
    : QDialog(parent), m_interaction(interaction), m_folders(std::move(folders)),
      m_importer(std::move(importer))
{
    setWindowTitle(QStringLiteral("Загрузка СОУН"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    const auto line = [&](const QString& text) { layout->addWidget(new QLabel(text, this)); };
    line(QStringLiteral("Инспекция может отсутствовать в справочнике по двум причинам:"));
    line(QStringLiteral("- у инспекции изменился код и название, а вы не в курсе"));
    line(QStringLiteral("- справочник устарел"));
    line(QStringLiteral("Возможно два решения проблемы: простое и более сложное"));
    auto* simple = new QHBoxLayout;
    simple->addWidget(new QLabel(
        QStringLiteral("Простое: отредактировать справочник вручную. Как это сделать,"), this));
    QLabel* helpLink = link(this, kHelpLink, QStringLiteral("подробно расписано в Справке"));
    helpLink->setObjectName(QStringLiteral("lbHelpLink"));
    simple->addWidget(helpLink);
    simple->addStretch();
    layout->addLayout(simple);
    line(QStringLiteral("Сложное:"));
    QLabel* siteLink = link(this, kSiteLink,
                            QStringLiteral("- скачать актуальный справочник СОУН с сайта ФНС "
                                           "России"));
    siteLink->setObjectName(QStringLiteral("lbSiteLink"));
    layout->addWidget(siteLink);
    line(QStringLiteral("- извлечь из скаченного архива SOUN_DBF.ARJ файл soun1.dbf"));
    line(QStringLiteral("- указать путь к файлу soun1.dbf и обновить справочник"));
    line(QStringLiteral("- перезапустить программу \"Тарвика 2013\""));
    connect(helpLink, &QLabel::linkActivated, this, &TfmLoadSoun::openLink);
    connect(siteLink, &QLabel::linkActivated, this, &TfmLoadSoun::openLink);

    m_path = new QLineEdit(this);
    m_path->setObjectName(QStringLiteral("edSoun1"));
    m_path->setReadOnly(true);
    auto* choose = new QPushButton(QStringLiteral("..."), this);
    choose->setObjectName(QStringLiteral("Button4"));
    choose->setAutoDefault(false);
    choose->setFixedWidth(32);
    auto* file = new QHBoxLayout;
    file->addWidget(m_path, 1);
    file->addWidget(choose);
    layout->addLayout(file);

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

    connect(choose, &QPushButton::clicked, this, &TfmLoadSoun::chooseFile);
    connect(m_import, &QPushButton::clicked, this, &TfmLoadSoun::runImport);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
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
