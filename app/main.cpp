// Quarvelin's entry point. The windows do not exist yet; until they do, the program says so.
#include <cstdio>

int main() {
    std::puts("Quarvelin: the firewall's windows are not built yet; nothing to start.");
    return 0;
}
