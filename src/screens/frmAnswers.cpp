#include "frmAnswers.h"

// Placeholder until this screen is built.
frmAnswers::frmAnswers() : Form(QStringLiteral("frmAnswers")) {}

void frmAnswers::Form_Load() {}
void frmAnswers::Form_QueryUnload() {}
