#pragma once

class GameTable;

// Sorts the games (every row below the field names) in ascending order of one column. Texts compare
// by UTF-16 code units, letter case significant. The sort is not stable: games with equal values
// end up in the order this particular quicksort leaves them, and the main list shows that order,
// so it must never be swapped for another sort algorithm.
void SortStringGrid(GameTable &grid, int column);
