// The notebook: the library of text fragments and tables, its tree, pages and files.
#pragma once

#include "notebook/NotebookDoc.h"
#include "notebook/NotebookPage.h"
#include "notebook/NotebookTree.h"
#include "notebook/TableText.h"
