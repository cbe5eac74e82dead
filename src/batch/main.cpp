// Entry point of kovia-batch, the headless batch analysis.
#include <cstdio>

int main() {
  std::fputs("uso: kovia-batch escenario ARCHIVO\n", stderr);
  return 2;
}
