#pragma once

#include "directories/SounImport.h"

#include <QDialog>
#include <functional>

class Interaction;
class QLineEdit;
class QPushButton;

// "Загрузка СОУН": explains how to bring the tax-office directory up to date and rebuilds it from
// the tax authority's dBase file "soun1.dbf" into the program folder.
class TfmLoadSoun : public QDialog
{
    Q_OBJECT

public:
    // dBase path, output path, date "DD.MM.YYYY", version.
    using Importer = std::function<SounImportResult(const QString&, const QString&, const QString&,
                                                    const QString&)>;

    TfmLoadSoun(QWidget* parent, Interaction& interaction, QString programFolder,
                Importer importer);

    static QUrl sounPageUrl();

private:
    void chooseFile();
    void runImport();
    void openLink(const QString& link);

    Interaction& m_interaction;
    QString m_programFolder;
    Importer m_importer;
    QLineEdit* m_path;
    QPushButton* m_import;
    QPushButton* m_ok;
};
