#include "frmTestResults.h"

// Placeholder until this screen is built.
frmTestResults::frmTestResults() : Form(QStringLiteral("frmTestResults")) {}

void frmTestResults::Form_Load() {}
void frmTestResults::CloseByFrame() { Form::CloseByFrame(); }
