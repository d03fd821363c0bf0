#include "frmQuestionsIntro.h"

// Placeholder until this screen is built.
frmQuestionsIntro::frmQuestionsIntro() : Form(QStringLiteral("frmQuestionsIntro")) {}

void frmQuestionsIntro::Form_Load() {}
