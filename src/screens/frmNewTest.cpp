#include "frmNewTest.h"

// Placeholder until this screen is built.
frmNewTest::frmNewTest() : Form(QStringLiteral("frmNewTest")) {}

void frmNewTest::Form_Load() {}
void frmNewTest::Form_QueryUnload() {}
void frmNewTest::CloseByFrame() { Form::CloseByFrame(); }
