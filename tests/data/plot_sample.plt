    3    2    0    1                                                            Line 1 : i_Analysis_Type, IUNITS, KYL, ib_ComputeKmatrix_1T0F
    1                                                                           Line 2 : Total number of sections
    1                                                                           Line 3 : Total number of axial thrusts
    2            0.8000000E+03  0.1530196E+04                                   Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. (kN-m), Section 1
  0.2409434E+02  0.2126494E+06  0.1133054E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=1
  0.4850000E+02  0.2120000E+06  0.2287700E-03                                   Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=2
    2    1                                                                      Line 15: Num. interaction diagram points, Section 1
  0.5000000E+04  0.0000000E+00  0.6500000E+00  0.3250000E+04  0.0000000E+00     Line 16: Pn, Mn, phi, Pu, Mu
  0.0000000E+00  0.1500000E+04  0.9000000E+00  0.0000000E+00  0.1350000E+04     Line 16: Pn, Mn, phi, Pu, Mu
    2                                                                           Line 6 : number of output p-y curves
  0.5000000E+00    0                                                            Line 7:  p-y curve depth, no. p-y points
  0.3000000E+01    2                                                            Line 7:  p-y curve depth in sand, no. p-y points on curve no. 2
  0.0000000E+00  0.0000000E+00                                                  Line 8(1): y, p, for sand
  0.1000000E-01  0.1255000E+03                                                  Line 8(2): y, p, for sand
    2    3    2                                                                 Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI
  0.0000000E+00  0.2000000E-01  0.1000000E+03 -0.5000000E+02 -0.1000000E+02  0.3200000E+07 Line 10(  1): nodal depth, y, M, V, p, EI
  0.2500000E+01  0.1000000E-01  0.2000000E+03 -0.1000000E+03 -0.2000000E+02  0.3200000E+07 Line 10(  2): nodal depth, y, M, V, p, EI
  0.5000000E+01  0.6666667E-02  0.3000000E+03 -0.1500000E+03 -0.3000000E+02  0.3200000E+07 Line 10(  3): nodal depth, y, M, V, p, EI
    1                                                                           Line 11: Num. points on Ytop vs. pile length curve for load case 1
  0.5000000E+01  0.2000000E-01  0.3000000E+03 -0.1500000E+03                    Line 12: pile length (m), Ytop (m), Mmax (kN-m), Vmax (kN)
  0.0000000E+00  0.1000000E-01  0.2000000E+03 -0.5000000E+02 -0.1000000E+02  0.3200000E+07 Line 10(  1): nodal depth, y, M, V, p, EI
  0.2500000E+01  0.5000000E-02  0.4000000E+03 -0.1000000E+03 -0.2000000E+02  0.3200000E+07 Line 10(  2): nodal depth, y, M, V, p, EI
  0.5000000E+01  0.3333333E-02  0.6000000E+03 -0.1500000E+03 -0.3000000E+02*************** Line 10(  3): nodal depth, y, M, V, p, EI
    0                                                                           Line 11: Num. points on Ytop vs. Length curve for load case 2
  0.1500000E+03  0.2000000E-01  0.3000000E+03  0.1500000E+03 -0.5870000E-02     Line 13: TopV(kN) TopY(m), Mmax(kN-m), Vmax(kN), Rotation(rad)
  0.3000000E+03  0.1000000E-01  0.6000000E+03  0.1500000E+03 -0.5870000E-02     Line 13: TopV(kN) TopY(m), Mmax(kN-m), Vmax(kN), Rotation(rad)
  0.1500000E+02  0.1130000E-02  0.2521420E+05  0.4896004E+05  0.4894946E+05  0.1529072E+06  0.5950000E-03  0.7390000E-08  Line 14: V, M, K22, K23, K32, K33, ytop, theta
  0.3000000E+02  0.2260000E-02  0.2521420E+05  0.4896004E+05  0.4894946E+05  0.1529072E+06  0.1190000E-02  0.1478000E-07  Line 14: V, M, K22, K23, K32, K33, ytop, theta
  0.4500000E+02  0.3390000E-02  0.2521420E+05  0.4896004E+05  0.4894946E+05  0.1529072E+06  0.1785000E-02  0.2217000E-07  Line 14: V, M, K22, K23, K32, K33, ytop, theta
  0.6000000E+02  0.4520000E-02  0.2521420E+05  0.4896004E+05  0.4894946E+05  0.1529072E+06  0.2380000E-02  0.2956000E-07  Line 14: V, M, K22, K23, K32, K33, ytop, theta
  0.7500000E+02  0.5650000E-02  0.2521420E+05  0.4896004E+05  0.4894946E+05  0.1529072E+06  0.2975000E-02  0.3695000E-07  Line 14: V, M, K22, K23, K32, K33, ytop, theta
  0.9000000E+02  0.6780000E-02  0.2521420E+05  0.4896004E+05  0.4894946E+05  0.1529072E+06  0.3570000E-02  0.4434000E-07  Line 14: V, M, K22, K23, K32, K33, ytop, theta
  0.1050000E+03  0.7910000E-02  0.2521420E+05  0.4896004E+05  0.4894946E+05  0.1529072E+06  0.4165000E-02  0.5173000E-07  Line 14: V, M, K22, K23, K32, K33, ytop, theta
  0.1200000E+03  0.9040000E-02  0.2521420E+05  0.4896004E+05  0.4894946E+05  0.1529072E+06  0.4760000E-02  0.5912000E-07  Line 14: V, M, K22, K23, K32, K33, ytop, theta
  0.1350000E+03  0.1017000E-01  0.2521420E+05  0.4896004E+05  0.4894946E+05  0.1529072E+06  0.5355000E-02  0.6651000E-07  Line 14: V, M, K22, K23, K32, K33, ytop, theta
  0.1500000E+03  0.1130000E-01  0.2521420E+05  0.4896004E+05  0.4894946E+05  0.1529072E+06  0.5950000E-02  0.7390000E-07  Line 14: V, M, K22, K23, K32, K33, ytop, theta
