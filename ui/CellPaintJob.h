#pragma once
// What the cell painter draws for a cell of a sheet, the same on the grid and on a printed
// page: a cell without an identifier shows its caption; any other cell shows what the cell
// behaviour answers to a query: its text, the length beyond which the text is grey, its text
// colour, and the warning, error and check marks with their place.
#include <functional>

#include "sheet/layout/cmcCellCapsule.h"
#include "ui/CellPainter.h"

class QPainter;

// Fills the text and marks of job, whose cell and rectangle are set. For a cell with an
// identifier, prepare fills the query for job.cell with the caller's context (the cell, the
// sheet, the flags); the query then gets the cell's rectangle and painter and goes to
// behaviour.
void FillCellPaintJob(CellPainter::Job& job, QPainter& painter, const CellBehaviourCallback& behaviour,
                      const std::function<void(cmcCellCapsule& request)>& prepare);
