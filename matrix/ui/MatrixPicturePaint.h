#pragma once
// Paints the calculator's pictures from its view.

#include <QSize>
#include <optional>

#include "arith/Fraction.h"
#include "matrix/Calculator.h"

class QPainter;

void paintMatrixPicture(QPainter& painter, const MatrixPictureView& view, QSize size);
void paintDeltaPicture(QPainter& painter, const std::optional<Fraction>& delta, QSize size);
