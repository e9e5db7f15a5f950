#include "workbench/general/general_page.h"

#include "widgets/table_export.h"
#include "widgets/warning_banner.h"
#include "workbench/general/general_model.h"
#include "workbench/general/general_texts.h"

#include <algorithm>

#include <QComboBox>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QString FromUtf8(const std::string& text)
{
    return QString::fromStdString(text);
}

GeneralStandard StandardAt(int index)
{
    return index == 1 ? GeneralStandard::Gb : GeneralStandard::Iso;
}

} // namespace

GeneralPage::GeneralPage(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("generalPage"));
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(CreateInputs(), 0, Qt::AlignTop);
    auto* right = new QVBoxLayout;
    right->addWidget(CreateAnswer(this));
    right->addWidget(CreateTable(this), 1);
    layout->addLayout(right, 1);

    connect(m_classBox, &QLineEdit::textChanged, this, &GeneralPage::Recalculate);
    connect(m_sizeBox, &QLineEdit::textChanged, this, &GeneralPage::Recalculate);
    connect(m_standardList, &QComboBox::currentIndexChanged, this, &GeneralPage::Recalculate);
    connect(m_questionList, &QComboBox::currentIndexChanged, this, &GeneralPage::Recalculate);
    setTabOrder(m_classBox, m_standardList);
    setTabOrder(m_standardList, m_questionList);
    setTabOrder(m_questionList, m_sizeBox);
    Recalculate();
}

QWidget* GeneralPage::CreateInputs()
{
    auto* inputs = new QGroupBox(tr("输入"), this);
    auto* grid = new QGridLayout(inputs);
    auto caption = [&](const QString& text, QWidget* buddy, int row) {
        auto* label = new QLabel(text, inputs);
        label->setBuddy(buddy);
        grid->addWidget(label, row, 0);
        grid->addWidget(buddy, row, 1);
    };
    m_classBox = new QLineEdit(QStringLiteral("mK"), inputs);
    m_classBox->setObjectName(QStringLiteral("generalClassBox"));
    m_classBox->setPlaceholderText(tr("如 m、K 或 mK"));
    caption(tr("一般公差等级(&C)"), m_classBox, 0);

    m_standardList = new QComboBox(inputs);
    m_standardList->setObjectName(QStringLiteral("generalStandardList"));
    m_standardList->addItems(
        {FromUtf8(GeneralStandardText(GeneralStandard::Iso)), FromUtf8(GeneralStandardText(GeneralStandard::Gb))});
    caption(tr("标准(&N)"), m_standardList, 1);

    m_questionList = new QComboBox(inputs);
    m_questionList->setObjectName(QStringLiteral("generalQuestionList"));
    for (const GeneralQuestion question : kGeneralQuestions)
        m_questionList->addItem(FromUtf8(GeneralQuestionText(question)));
    m_questionList->setMaxVisibleItems(static_cast<int>(kGeneralQuestions.size()));
    caption(tr("查询(&Q)"), m_questionList, 2);

    m_sizeBox = new QLineEdit(QStringLiteral("35"), inputs);
    m_sizeBox->setObjectName(QStringLiteral("generalSizeBox"));
    caption(tr("尺寸或长度(&Z)"), m_sizeBox, 3);
    auto* hint = new QLabel(tr("mm：线性尺寸、倒角高度，角度的短边，或要素的长度"), inputs);
    hint->setWordWrap(true);
    grid->addWidget(hint, 4, 0, 1, 2);
    inputs->setFixedWidth(inputs->sizeHint().width() + 40);
    return inputs;
}

QWidget* GeneralPage::CreateAnswer(QWidget* parent)
{
    auto* box = new QGroupBox(tr("该尺寸的一般公差"), parent);
    auto* layout = new QVBoxLayout(box);
    m_answer = new QStackedWidget(box);
    m_answer->setObjectName(QStringLiteral("generalAnswer"));
    m_answerPage = new QWidget(m_answer);
    auto* answerLayout = new QVBoxLayout(m_answerPage);
    answerLayout->setContentsMargins({});
    m_answerValue = new QLabel(m_answerPage);
    m_answerValue->setObjectName(QStringLiteral("generalAnswerValue"));
    m_answerValue->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont large = m_answerValue->font();
    large.setPointSizeF(large.pointSizeF() * 1.6);
    large.setBold(true);
    m_answerValue->setFont(large);
    m_answerRange = new QLabel(m_answerPage);
    m_answerRange->setObjectName(QStringLiteral("generalAnswerRange"));
    m_answerRange->setTextInteractionFlags(Qt::TextSelectableByMouse);
    answerLayout->addWidget(m_answerValue);
    answerLayout->addWidget(m_answerRange);
    m_answer->addWidget(m_answerPage);
    m_problemPage = NewProblemPage(m_answer, QStringLiteral("generalProblemLabel"), m_problemBanner);
    m_answer->addWidget(m_problemPage);
    layout->addWidget(m_answer);
    return box;
}

QWidget* GeneralPage::CreateTable(QWidget* parent)
{
    auto* box = new QGroupBox(tr("标题栏所引的一般公差表"), parent);
    auto* layout = new QVBoxLayout(box);
    m_tableTitle = new QLabel(box);
    m_tableTitle->setObjectName(QStringLiteral("generalTableTitle"));
    QFont bold = m_tableTitle->font();
    bold.setBold(true);
    m_tableTitle->setFont(bold);
    m_table = new QTableWidget(0, 3, box);
    m_table->setObjectName(QStringLiteral("generalTable"));
    m_table->setHorizontalHeaderLabels({tr("项目"), tr("尺寸范围"), tr("公差")});
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false);
    m_rules = new QLabel(box);
    m_rules->setObjectName(QStringLiteral("generalRulesLabel"));
    m_rules->setWordWrap(true);
    m_rules->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_tableTitle);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_rules);
    return box;
}

bool GeneralPage::HasTable() const
{
    return m_tableProblem.isEmpty();
}

QString GeneralPage::ClassText() const
{
    return m_classBox->text();
}

bool GeneralPage::ChineseStandard() const
{
    return StandardAt(m_standardList->currentIndex()) == GeneralStandard::Gb;
}

QString GeneralPage::TableProblem() const
{
    return m_tableProblem;
}

void GeneralPage::Recalculate()
{
    const GeneralStandard standard = StandardAt(m_standardList->currentIndex());
    const auto question = kGeneralQuestions[static_cast<std::size_t>(std::max(0, m_questionList->currentIndex()))];
    const auto answer
        = AnswerGeneral(m_classBox->text().toStdString(), standard, question, m_sizeBox->text().toStdString());
    if (answer) {
        m_answerValue->setText(FromUtf8(answer->value));
        m_answerRange->setText(
            tr("%1，%2").arg(FromUtf8(answer->designation), FromUtf8(GeneralRangeWords(answer->range))));
        m_answer->setCurrentWidget(m_answerPage);
    } else {
        m_problemBanner->SetMessage(FromUtf8(GeneralProblemText(answer.reason())));
        m_answer->setCurrentWidget(m_problemPage);
    }
    ShowTable();
}

void GeneralPage::ShowTable()
{
    const GeneralStandard standard = StandardAt(m_standardList->currentIndex());
    const auto classes = ReadGeneralClasses(m_classBox->text().toStdString());
    m_table->setRowCount(0);
    if (!classes) {
        m_tableProblem = FromUtf8(GeneralProblemText(classes.reason()));
        m_tableTitle->setText(m_tableProblem);
        m_rules->clear();
        return;
    }
    m_tableProblem.clear();
    m_tableTitle->setText(FromUtf8(TitleBlockDesignation(*classes, standard)));
    for (const GeneralTableSection& section : TitleBlockTables(*classes, standard)) {
        bool first = true;
        for (const GeneralTableRow& row : section.rows) {
            const int at = m_table->rowCount();
            m_table->insertRow(at);
            // The table's title on its first row only, so that the tables stand apart.
            m_table->setItem(at, 0,
                             new QTableWidgetItem(first ? FromUtf8(GeneralSectionTitle(section.key)) : QString()));
            m_table->setItem(at, 1, new QTableWidgetItem(FromUtf8(GeneralRangeWords(row.range))));
            auto* value = new QTableWidgetItem(FromUtf8(row.value));
            value->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_table->setItem(at, 2, value);
            first = false;
        }
    }
    QStringList rules;
    if (classes->geometrical) {
        for (const std::string_view feature : UntabulatedFeatures())
            rules << tr("%1：%2").arg(FromUtf8(UntabulatedFeatureName(feature)),
                                      FromUtf8(UntabulatedFeatureRule(feature)));
    }
    m_rules->setText(rules.join(QLatin1Char('\n')));
    m_rules->setVisible(!rules.isEmpty());
}

QList<QStringList> GeneralPage::ResultRows() const
{
    QList<QStringList> rows;
    if (m_answer->currentWidget() == m_problemPage)
        rows << QStringList {m_problemBanner->Text()};
    else
        rows << QStringList {m_answerValue->text(), m_answerRange->text()};
    if (!HasTable())
        return rows;
    rows << QStringList {m_tableTitle->text()};
    rows << TableRows(*m_table->model());
    if (!m_rules->text().isEmpty())
        for (const QString& rule : m_rules->text().split(QLatin1Char('\n')))
            rows << QStringList {rule};
    return rows;
}
