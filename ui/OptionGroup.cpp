#include "OptionGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QWidget>

namespace orvane::ui {

QButtonGroup* GroupOptions(QWidget* container) {
    auto* group = new QButtonGroup(container);
    group->setObjectName(container->objectName() + QStringLiteral("Options"));
    group->setExclusive(true);
    for (QRadioButton* option : container->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
        group->addButton(option);
    return group;
}

} // namespace orvane::ui
