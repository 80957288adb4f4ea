#include "app/startup.h"

int main(int, char** argv) {
  return vostrelund::RunVostrelund(argv[0]);
}
