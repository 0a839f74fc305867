#pragma once

#include "reference/QueryDeclaration.h"
#include "stock/MaterialFamily.h"

#include <optional>

namespace stock {

// The group of the stock windows that chooses the material family.
inline const QString FamilyGroup = QStringLiteral("RadioGroup1");

// The group's options "有色材料" and "副料"; 查询 before a choice shows the message.
inline reference::Condition familyChoice(const QString &title, const QString &notChosen)
{
    return reference::Condition::choices(FamilyGroup, title,
                                         {{QStringLiteral("RadioButton1"), QStringLiteral("有色材料")},
                                          {QStringLiteral("RadioButton2"), QStringLiteral("副料")}})
        .required(notChosen);
}

inline std::optional<Family> chosenFamily(const reference::SearchValues &values)
{
    switch (values.choice(FamilyGroup)) {
    case 0: return Family::ColourFabric;
    case 1: return Family::AuxiliaryMaterial;
    default: return std::nullopt;
    }
}

} // namespace stock
