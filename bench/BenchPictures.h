#pragma once

#include <QByteArray>
#include <QSize>
#include <QtGlobal>

// Pictures as teachers store them, made up so that every run has the same:
// photographs (smooth colour with fine grain, which JPEG cannot shrink much)
// and drawings (lines, shapes and labels on white).
namespace BenchPictures {

// A JPEG of quality 85 and `size` pixels, its grain chosen so that it takes
// about `bytes` (within 5 % where the size allows). `seed` varies the
// picture while keeping its grain.
QByteArray Photograph(QSize size, qsizetype bytes, int seed = 0);

// A geometry drawing as PNG: a triangle in a circle on a grid, with labels.
QByteArray Drawing(QSize size);

}
