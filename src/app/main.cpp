#include <QCoreApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    std::printf("Ordovan %s\n", ORDOVAN_VERSION);
    return 0;
}
