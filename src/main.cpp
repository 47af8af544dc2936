#include <QApplication>

#include "ui/program.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    nalvic::Program program;
    return program.run();
}
