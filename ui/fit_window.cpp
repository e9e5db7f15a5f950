#include "fit_window.h"

#include "analysis_page.h"
#include "diagram_file.h"
#include "dialog_units.h"
#include "fit_finder_page.h"
#include "service_page.h"

#include <utility>

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QTabWidget>
#include <QVBoxLayout>

FitWindow::FitWindow(const FitStart& start, std::filesystem::path tablesFolder, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_tablesFolder(std::move(tablesFolder))
{
    setObjectName(QStringLiteral("fitWindow"));
    setWindowTitle(tr("配合分析 - Quorlan"));
    setFont(DialogFont());

    // One size for the whole window, above the tabs: the finder searches at it and the service
    // conditions take the analysed fit at it.
    auto* sizeRow = new QHBoxLayout;
    m_sizeBox = new QLineEdit(this);
    m_sizeBox->setObjectName(QStringLiteral("fitSizeBox"));
    m_sizeBox->setMaximumWidth(m_sizeBox->fontMetrics().horizontalAdvance(QStringLiteral("0000.000000")) + 12);
    auto* sizeCaption = new QLabel(tr("基本尺寸(&S)"), this);
    sizeCaption->setBuddy(m_sizeBox);
    sizeRow->addWidget(sizeCaption);
    sizeRow->addWidget(m_sizeBox);
    sizeRow->addWidget(new QLabel(tr("mm（不大于 3150 mm，各页共用）"), this));
    sizeRow->addStretch(1);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("fitTabs"));
    m_analysisPage = new AnalysisPage(m_tablesFolder, m_tabs);
    m_tabs->addTab(m_analysisPage, tr("配合分析"));
    m_finderPage = new FitFinderPage(m_tablesFolder, m_tabs);
    m_tabs->addTab(m_finderPage, tr("配合查找"));
    m_servicePage = new ServicePage(m_tabs);
    m_tabs->addTab(m_servicePage, tr("使用条件"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(sizeRow);
    layout->addWidget(m_tabs);
    setTabOrder(m_sizeBox, m_tabs);

    connect(m_analysisPage, &AnalysisPage::analysisChanged, this, &FitWindow::OnAnalysisChanged);
    connect(m_analysisPage, &AnalysisPage::copyDrawingLineRequested, this, &FitWindow::CopyDrawingLine);
    connect(m_analysisPage, &AnalysisPage::saveDiagramRequested, this, &FitWindow::SaveDiagram);
    connect(m_finderPage, &FitFinderPage::fitChosen, this, &FitWindow::OnFoundFitChosen);
    connect(m_sizeBox, &QLineEdit::textChanged, m_analysisPage, &AnalysisPage::SetSizeText);
    connect(m_sizeBox, &QLineEdit::textChanged, m_finderPage, &FitFinderPage::SetSizeText);

    // One calculation for the start, with both inputs in place.
    {
        const QSignalBlocker blocker(m_sizeBox);
        m_sizeBox->setText(QString::fromStdString(start.sizeText));
    }
    m_finderPage->SetSizeText(m_sizeBox->text());
    m_analysisPage->SetInputs(m_sizeBox->text(), QString::fromStdString(start.designation));
}

void FitWindow::OnAnalysisChanged()
{
    m_servicePage->SetFit(m_analysisPage->Analysis(), m_analysisPage->Problem());
}

void FitWindow::OnFoundFitChosen(const QString& designation)
{
    m_analysisPage->SetDesignation(designation);
    m_tabs->setCurrentWidget(m_analysisPage);
}

void FitWindow::CopyDrawingLine()
{
    QGuiApplication::clipboard()->setText(m_analysisPage->DrawingLine());
    m_analysisPage->ShowStatus(tr("已复制到剪贴板：") + m_analysisPage->DrawingLine());
}

void FitWindow::SaveDiagram()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    // "H7-g6_40mm.svg": no slash, which a file name cannot hold.
    const QString suggested = m_analysisPage->Designation().trimmed().replace(QLatin1Char('/'), QLatin1Char('-'))
        + QLatin1Char('_') + m_sizeBox->text().trimmed() + QStringLiteral("mm.svg");
    const QString svgFilter = tr("SVG 矢量图 (*.svg)");
    const QString pngFilter = tr("PNG 图片 (*.png)");
    QString chosenFilter = svgFilter;
    QString path = QFileDialog::getSaveFileName(this, tr("保存配合图"), folder + QLatin1Char('/') + suggested,
                                                svgFilter + QStringLiteral(";;") + pngFilter, &chosenFilter);
    if (path.isEmpty())
        return;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("svg") && suffix != QLatin1String("png"))
        path += chosenFilter == pngFilter ? QStringLiteral(".png") : QStringLiteral(".svg");
    const QString problem = ::SaveDiagram(m_analysisPage->DiagramSvg(), path);
    m_analysisPage->ShowStatus(problem.isEmpty() ? tr("已保存：%1").arg(QDir::toNativeSeparators(path))
                                                 : tr("无法保存 %1：%2").arg(QDir::toNativeSeparators(path), problem));
}
