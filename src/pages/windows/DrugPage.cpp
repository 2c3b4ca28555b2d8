#include "DrugPage.h"

#include "DrugMaster.h"
#include "MainWindowHub.h"
#include "PageWidgets.h"
#include "Ucommon.h"
#include "plButton.h"

#include <QComboBox>

TDrugPage::TDrugPage(TMainWindowHub& hub, QWidget* parent) : QWidget(parent), hub_(hub)
{
    setObjectName(QStringLiteral("TabSheet6"));
    AddCaption(this, QStringLiteral("区分"), 24, 24);
    cbKubun = new QComboBox(this);
    cbKubun->setObjectName(QStringLiteral("cbKubun"));
    cbKubun->setGeometry(120, 20, 240, 24);
    plButton11 = AddButton(this, QStringLiteral("plButton11"), QStringLiteral("確定"), 840, 550, 120, 40);
}

void TDrugPage::FillCategoryCombo()
{
    QStringList categories;
    FillCategoryList(categories);
    cbKubun->clear();
    cbKubun->addItems(categories);
    cbKubun->setCurrentIndex(-1);
}

void TDrugPage::SetupDrugPage()
{
    cbKubun->setCurrentIndex(CurrentAnalysis.kubun_id - 1);
}

void TDrugPage::ResetDrugSelection()
{
    cbKubun->setCurrentIndex(-1);
}

bool TDrugPage::IsDrugInputComplete() const
{
    return cbKubun->currentIndex() >= 0;
}

void TDrugPage::Timer2Timer()
{
    plButton11->setEnabled(IsDrugInputComplete());
}
