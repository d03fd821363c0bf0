#pragma once

#include "StudentWork.h"

class Connection;

// The two kinds of student work; Student() picks one.
StudentWork& EmbeddedWork();
StudentWork& LabWork(Connection& connection);
