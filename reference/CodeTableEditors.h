#pragma once

#include "reference/ModuleDeclaration.h"

#include <QVector>

namespace reference {

// The form names of the seven code-table editors, their keys in the window factory.
inline const QString DepartmentEditorForm = QStringLiteral("TSectionForm");
inline const QString ItemCategoryEditorForm = QStringLiteral("TTypeF");
inline const QString ColourEditorForm = QStringLiteral("TColorF");
inline const QString WidthEditorForm = QStringLiteral("TWidthF");
inline const QString SpecificationEditorForm = QStringLiteral("TStandardF");
inline const QString CurrencyEditorForm = QStringLiteral("TExchangeF");
inline const QString PaymentMethodEditorForm = QStringLiteral("TPaywayF");

// The seven code-table editors (departments, item categories, colours,
// widths, specifications, currencies with their rates, payment methods) as
// declarations: each is a plain module window over its table, and the window
// factory builds it from its declaration.
QVector<ModuleDeclaration> codeTableEditors();

} // namespace reference
