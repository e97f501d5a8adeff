#include "EditContext.h"

namespace chanforge::app {

CEditContext::CEditContext(document::Document& document, editing::Product product, bool simpleColumns,
                           QObject* parent)
    : QObject(parent), document_(document), product_(product), simpleColumns_(simpleColumns) {}

void CEditContext::AfterEdit() { emit Changed(); }

} // namespace chanforge::app
