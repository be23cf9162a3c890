#include "engine/ogo.h"
int main() { return 0; }
