// A realistic mix of what people type into an engineering calculator, written so that
// both our parser and muparser read every formula the same way.
#pragma once

inline constexpr const char* kCalcFormulas[] = {
    "2+3*4",
    "(1.5+2.25)*4/3",
    "sqrt(16)+2^3",
    "sin(0.5)*cos(0.25)",
    "ln(10)/ln(2)",
    "exp(1.5)-1",
    "abs(-3.5)*2",
    "tan(0.3)+1",
    "(2+3)*(4+5)/(6-1)",
    "1/3+1/7",
    "2^0.5*3.25",
    "3.14159265358979*25^2/4",
    "1200*0.85/60",
    "(45.5-12.25)*1.08",
    "sqrt(3^2+4^2)",
    "2*3.14159265358979*0.125*1450/60",
    "100/(1+0.05)^10",
    "sinh(0.7)+cosh(0.7)",
    "(9.81*12.5^2)/2",
    "0.25*3.14159265358979*(48^2-36^2)",
};
