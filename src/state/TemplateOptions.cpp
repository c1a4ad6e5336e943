#include "state/TemplateOptions.h"

namespace {

// The stored number as the program reads it; text that is no number reads as 0.
double numberOf(const QString& text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? value : 0;
}

}  // namespace

bool TemplateOptions::inForce() const {
    return !checked.isEmpty() && numberOf(checked) != 0 && !file.isEmpty();
}

bool TemplateOptions::isChecked() const {
    return numberOf(checked) != 0;
}

bool TemplateOptions::marksNewDocument() const {
    return !checked.isEmpty() && numberOf(checked) == 1;
}
