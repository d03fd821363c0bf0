#include "frmQuestions.h"

// Placeholder until this screen is built.
frmQuestions::frmQuestions() : Form(QStringLiteral("frmQuestions")) {}

void frmQuestions::Form_Load() {}
void frmQuestions::Form_QueryUnload() {}
void frmQuestions::CloseByFrame() { Form::CloseByFrame(); }
