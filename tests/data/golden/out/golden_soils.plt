    3    1    0    1                                                            Line 1 : i_Analysis_Type, IUNITS, KYL, ib_ComputeKmatrix_1T0F
    1                                                                           Line 2 : Total number of sections
    1                                                                           Line 3 : Total number of axial thrusts for elastic section
  150            0.5000000E+02  0.3480000E+12                                   Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips) for linear EI pile at top of section
  0.2320000E+10  0.2320000E+09  0.1000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=1
  0.4640000E+10  0.2320000E+09  0.2000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=2
  0.6960000E+10  0.2320000E+09  0.3000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=3
  0.9280000E+10  0.2320000E+09  0.4000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=4
  0.1160000E+11  0.2320000E+09  0.5000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=5
  0.1392000E+11  0.2320000E+09  0.6000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=6
  0.1624000E+11  0.2320000E+09  0.7000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=7
  0.1856000E+11  0.2320000E+09  0.8000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=8
  0.2088000E+11  0.2320000E+09  0.9000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=9
  0.2320000E+11  0.2320000E+09  0.1000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=10
  0.2552000E+11  0.2320000E+09  0.1100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=11
  0.2784000E+11  0.2320000E+09  0.1200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=12
  0.3016000E+11  0.2320000E+09  0.1300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=13
  0.3248000E+11  0.2320000E+09  0.1400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=14
  0.3480000E+11  0.2320000E+09  0.1500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=15
  0.3712000E+11  0.2320000E+09  0.1600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=16
  0.3944000E+11  0.2320000E+09  0.1700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=17
  0.4176000E+11  0.2320000E+09  0.1800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=18
  0.4408000E+11  0.2320000E+09  0.1900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=19
  0.4640000E+11  0.2320000E+09  0.2000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=20
  0.4872000E+11  0.2320000E+09  0.2100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=21
  0.5104000E+11  0.2320000E+09  0.2200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=22
  0.5336000E+11  0.2320000E+09  0.2300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=23
  0.5568000E+11  0.2320000E+09  0.2400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=24
  0.5800000E+11  0.2320000E+09  0.2500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=25
  0.6032000E+11  0.2320000E+09  0.2600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=26
  0.6264000E+11  0.2320000E+09  0.2700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=27
  0.6496000E+11  0.2320000E+09  0.2800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=28
  0.6728000E+11  0.2320000E+09  0.2900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=29
  0.6960000E+11  0.2320000E+09  0.3000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=30
  0.7192000E+11  0.2320000E+09  0.3100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=31
  0.7424000E+11  0.2320000E+09  0.3200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=32
  0.7656000E+11  0.2320000E+09  0.3300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=33
  0.7888000E+11  0.2320000E+09  0.3400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=34
  0.8120000E+11  0.2320000E+09  0.3500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=35
  0.8352000E+11  0.2320000E+09  0.3600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=36
  0.8584000E+11  0.2320000E+09  0.3700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=37
  0.8816000E+11  0.2320000E+09  0.3800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=38
  0.9048000E+11  0.2320000E+09  0.3900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=39
  0.9280000E+11  0.2320000E+09  0.4000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=40
  0.9512000E+11  0.2320000E+09  0.4100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=41
  0.9744000E+11  0.2320000E+09  0.4200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=42
  0.9976000E+11  0.2320000E+09  0.4300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=43
  0.1020800E+12  0.2320000E+09  0.4400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=44
  0.1044000E+12  0.2320000E+09  0.4500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=45
  0.1067200E+12  0.2320000E+09  0.4600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=46
  0.1090400E+12  0.2320000E+09  0.4700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=47
  0.1113600E+12  0.2320000E+09  0.4800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=48
  0.1136800E+12  0.2320000E+09  0.4900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=49
  0.1160000E+12  0.2320000E+09  0.5000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=50
  0.1183200E+12  0.2320000E+09  0.5100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=51
  0.1206400E+12  0.2320000E+09  0.5200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=52
  0.1229600E+12  0.2320000E+09  0.5300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=53
  0.1252800E+12  0.2320000E+09  0.5400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=54
  0.1276000E+12  0.2320000E+09  0.5500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=55
  0.1299200E+12  0.2320000E+09  0.5600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=56
  0.1322400E+12  0.2320000E+09  0.5700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=57
  0.1345600E+12  0.2320000E+09  0.5800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=58
  0.1368800E+12  0.2320000E+09  0.5900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=59
  0.1392000E+12  0.2320000E+09  0.6000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=60
  0.1415200E+12  0.2320000E+09  0.6100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=61
  0.1438400E+12  0.2320000E+09  0.6200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=62
  0.1461600E+12  0.2320000E+09  0.6300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=63
  0.1484800E+12  0.2320000E+09  0.6400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=64
  0.1508000E+12  0.2320000E+09  0.6500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=65
  0.1531200E+12  0.2320000E+09  0.6600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=66
  0.1554400E+12  0.2320000E+09  0.6700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=67
  0.1577600E+12  0.2320000E+09  0.6800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=68
  0.1600800E+12  0.2320000E+09  0.6900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=69
  0.1624000E+12  0.2320000E+09  0.7000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=70
  0.1647200E+12  0.2320000E+09  0.7100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=71
  0.1670400E+12  0.2320000E+09  0.7200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=72
  0.1693600E+12  0.2320000E+09  0.7300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=73
  0.1716800E+12  0.2320000E+09  0.7400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=74
  0.1740000E+12  0.2320000E+09  0.7500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=75
  0.1763200E+12  0.2320000E+09  0.7600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=76
  0.1786400E+12  0.2320000E+09  0.7700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=77
  0.1809600E+12  0.2320000E+09  0.7800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=78
  0.1832800E+12  0.2320000E+09  0.7900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=79
  0.1856000E+12  0.2320000E+09  0.8000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=80
  0.1879200E+12  0.2320000E+09  0.8100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=81
  0.1902400E+12  0.2320000E+09  0.8200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=82
  0.1925600E+12  0.2320000E+09  0.8300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=83
  0.1948800E+12  0.2320000E+09  0.8400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=84
  0.1972000E+12  0.2320000E+09  0.8500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=85
  0.1995200E+12  0.2320000E+09  0.8600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=86
  0.2018400E+12  0.2320000E+09  0.8700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=87
  0.2041600E+12  0.2320000E+09  0.8800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=88
  0.2064800E+12  0.2320000E+09  0.8900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=89
  0.2088000E+12  0.2320000E+09  0.9000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=90
  0.2111200E+12  0.2320000E+09  0.9100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=91
  0.2134400E+12  0.2320000E+09  0.9200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=92
  0.2157600E+12  0.2320000E+09  0.9300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=93
  0.2180800E+12  0.2320000E+09  0.9400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=94
  0.2204000E+12  0.2320000E+09  0.9500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=95
  0.2227200E+12  0.2320000E+09  0.9600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=96
  0.2250400E+12  0.2320000E+09  0.9700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=97
  0.2273600E+12  0.2320000E+09  0.9800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=98
  0.2296800E+12  0.2320000E+09  0.9900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=99
  0.2320000E+12  0.2320000E+09  0.1000000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=100
  0.2343200E+12  0.2320000E+09  0.1010000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=101
  0.2366400E+12  0.2320000E+09  0.1020000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=102
  0.2389600E+12  0.2320000E+09  0.1030000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=103
  0.2412800E+12  0.2320000E+09  0.1040000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=104
  0.2436000E+12  0.2320000E+09  0.1050000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=105
  0.2459200E+12  0.2320000E+09  0.1060000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=106
  0.2482400E+12  0.2320000E+09  0.1070000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=107
  0.2505600E+12  0.2320000E+09  0.1080000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=108
  0.2528800E+12  0.2320000E+09  0.1090000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=109
  0.2552000E+12  0.2320000E+09  0.1100000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=110
  0.2575200E+12  0.2320000E+09  0.1110000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=111
  0.2598400E+12  0.2320000E+09  0.1120000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=112
  0.2621600E+12  0.2320000E+09  0.1130000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=113
  0.2644800E+12  0.2320000E+09  0.1140000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=114
  0.2668000E+12  0.2320000E+09  0.1150000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=115
  0.2691200E+12  0.2320000E+09  0.1160000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=116
  0.2714400E+12  0.2320000E+09  0.1170000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=117
  0.2737600E+12  0.2320000E+09  0.1180000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=118
  0.2760800E+12  0.2320000E+09  0.1190000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=119
  0.2784000E+12  0.2320000E+09  0.1200000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=120
  0.2807200E+12  0.2320000E+09  0.1210000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=121
  0.2830400E+12  0.2320000E+09  0.1220000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=122
  0.2853600E+12  0.2320000E+09  0.1230000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=123
  0.2876800E+12  0.2320000E+09  0.1240000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=124
  0.2900000E+12  0.2320000E+09  0.1250000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=125
  0.2923200E+12  0.2320000E+09  0.1260000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=126
  0.2946400E+12  0.2320000E+09  0.1270000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=127
  0.2969600E+12  0.2320000E+09  0.1280000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=128
  0.2992800E+12  0.2320000E+09  0.1290000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=129
  0.3016000E+12  0.2320000E+09  0.1300000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=130
  0.3039200E+12  0.2320000E+09  0.1310000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=131
  0.3062400E+12  0.2320000E+09  0.1320000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=132
  0.3085600E+12  0.2320000E+09  0.1330000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=133
  0.3108800E+12  0.2320000E+09  0.1340000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=134
  0.3132000E+12  0.2320000E+09  0.1350000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=135
  0.3155200E+12  0.2320000E+09  0.1360000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=136
  0.3178400E+12  0.2320000E+09  0.1370000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=137
  0.3201600E+12  0.2320000E+09  0.1380000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=138
  0.3224800E+12  0.2320000E+09  0.1390000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=139
  0.3248000E+12  0.2320000E+09  0.1400000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=140
  0.3271200E+12  0.2320000E+09  0.1410000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=141
  0.3294400E+12  0.2320000E+09  0.1420000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=142
  0.3317600E+12  0.2320000E+09  0.1430000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=143
  0.3340800E+12  0.2320000E+09  0.1440000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=144
  0.3364000E+12  0.2320000E+09  0.1450000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=145
  0.3387200E+12  0.2320000E+09  0.1460000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=146
  0.3410400E+12  0.2320000E+09  0.1470000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=147
  0.3433600E+12  0.2320000E+09  0.1480000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=148
  0.3456800E+12  0.2320000E+09  0.1490000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=149
  0.3480000E+12  0.2320000E+09  0.1500000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=150
    4                                                                           Line 6 : number of output p-y curves
  0.4800000E+02   17                                                            Line 7:  p-y curve depth in stiff clay w/o free water, no. p-y points on curve no. 1
  0.0000000E+00  0.0000000E+00                                                  Line 8(1): y, p, for stiff clay w/o water
  0.6240000E-04  0.4312107E+02                                                  Line 8(2): y, p, for stiff clay w/o water
  0.3120000E-03  0.6448103E+02                                                  Line 8(3): y, p, for stiff clay w/o water
  0.6240000E-03  0.7668130E+02                                                  Line 8(4): y, p, for stiff clay w/o water
  0.3120000E-02  0.1146653E+03                                                  Line 8(5): y, p, for stiff clay w/o water
  0.6240000E-02  0.1363608E+03                                                  Line 8(6): y, p, for stiff clay w/o water
  0.3120000E-01  0.2039069E+03                                                  Line 8(7): y, p, for stiff clay w/o water
  0.6240000E-01  0.2424876E+03                                                  Line 8(8): y, p, for stiff clay w/o water
  0.1560000E+00  0.3049120E+03                                                  Line 8(9): y, p, for stiff clay w/o water
  0.3120000E+00  0.3626035E+03                                                  Line 8(10): y, p, for stiff clay w/o water
  0.4680000E+00  0.4012867E+03                                                  Line 8(11): y, p, for stiff clay w/o water
  0.6240000E+00  0.4312107E+03                                                  Line 8(12): y, p, for stiff clay w/o water
  0.1560000E+01  0.5422187E+03                                                  Line 8(13): y, p, for stiff clay w/o water
  0.3120000E+01  0.6448103E+03                                                  Line 8(14): y, p, for stiff clay w/o water
  0.6240000E+01  0.7668130E+03                                                  Line 8(15): y, p, for stiff clay w/o water
  0.6396000E+01  0.7668130E+03                                                  Line 8(16): y, p, for stiff clay w/o water
  0.6552000E+01  0.7668130E+03                                                  Line 8(17): y, p, for stiff clay w/o water
  0.2400000E+03   17                                                            Line 7:  p-y curve depth in soft clay with J, no. points on p-y curve no. 2
  0.0000000E+00  0.0000000E+00                                                  Line 8(1): y, p, for API soft clay
  0.6000000E-01  0.1750217E+03                                                  Line 8(2): y, p, for API soft clay
  0.1500000E+00  0.2375410E+03                                                  Line 8(3): y, p, for API soft clay
  0.3000000E+00  0.2992829E+03                                                  Line 8(4): y, p, for API soft clay
  0.4500000E+00  0.3425934E+03                                                  Line 8(5): y, p, for API soft clay
  0.6000000E+00  0.3770728E+03                                                  Line 8(6): y, p, for API soft clay
  0.1200000E+01  0.4750819E+03                                                  Line 8(7): y, p, for API soft clay
  0.1800000E+01  0.5438331E+03                                                  Line 8(8): y, p, for API soft clay
  0.2400000E+01  0.5985657E+03                                                  Line 8(9): y, p, for API soft clay
  0.3000000E+01  0.6447854E+03                                                  Line 8(10): y, p, for API soft clay
  0.3600000E+01  0.6851867E+03                                                  Line 8(11): y, p, for API soft clay
  0.4800000E+01  0.7541456E+03                                                  Line 8(12): y, p, for API soft clay
  0.6000000E+01  0.8123787E+03                                                  Line 8(13): y, p, for API soft clay
  0.7200000E+01  0.8632812E+03                                                  Line 8(14): y, p, for API soft clay
  0.8400000E+01  0.9087991E+03                                                  Line 8(15): y, p, for API soft clay
  0.9600000E+01  0.9501639E+03                                                  Line 8(16): y, p, for API soft clay
  0.1020000E+02  0.9501639E+03                                                  Line 8(17): y, p, for API soft clay
  0.5280000E+03   17                                                            Line 7:  p-y curve depth in cemented silt (in), no. p-y points on curve no. 3
  0.0000000E+00  0.0000000E+00                                                  Line 8(1): y, p, for cemented c-phi
  0.3333333E-01  0.5984000E+04                                                  Line 8(2): y, p, for cemented c-phi
  0.6666667E-01  0.1196800E+05                                                  Line 8(3): y, p, for cemented c-phi
  0.1000000E+00  0.1795200E+05                                                  Line 8(4): y, p, for cemented c-phi
  0.1333333E+00  0.2393600E+05                                                  Line 8(5): y, p, for cemented c-phi
  0.1666667E+00  0.2992000E+05                                                  Line 8(6): y, p, for cemented c-phi
  0.2000000E+00  0.3590400E+05                                                  Line 8(7): y, p, for cemented c-phi
  0.2333333E+00  0.4188800E+05                                                  Line 8(8): y, p, for cemented c-phi
  0.2666667E+00  0.4666915E+05                                                  Line 8(9): y, p, for cemented c-phi
  0.3000000E+00  0.4489207E+05                                                  Line 8(10): y, p, for cemented c-phi
  0.3333333E+00  0.4335983E+05                                                  Line 8(11): y, p, for cemented c-phi
  0.3666667E+00  0.4201885E+05                                                  Line 8(12): y, p, for cemented c-phi
  0.4000000E+00  0.4083088E+05                                                  Line 8(13): y, p, for cemented c-phi
  0.9000000E+00  0.2400812E+05                                                  Line 8(14): y, p, for cemented c-phi
  0.9450000E+00  0.2400812E+05                                                  Line 8(15): y, p, for cemented c-phi
  0.9900000E+00  0.2400812E+05                                                  Line 8(16): y, p, for cemented c-phi
  0.1035000E+01  0.2400812E+05                                                  Line 8(17): y, p, for cemented c-phi
  0.1020000E+04   17                                                            Line 7:  p-y curve depth in vuggy limestone, no. p-y points on curve no. 4
  0.0000000E+00  0.0000000E+00                                                  Line 8(1): y, p, for vuggy limestone rock
  0.9600000E-02  0.2880000E+05                                                  Line 8(2): y, p, for vuggy limestone rock
  0.1280000E-01  0.2928000E+05                                                  Line 8(3): y, p, for vuggy limestone rock
  0.1600000E-01  0.2976000E+05                                                  Line 8(4): y, p, for vuggy limestone rock
  0.1920000E-01  0.3024000E+05                                                  Line 8(5): y, p, for vuggy limestone rock
  0.2240000E-01  0.3072000E+05                                                  Line 8(6): y, p, for vuggy limestone rock
  0.2560000E-01  0.3120000E+05                                                  Line 8(7): y, p, for vuggy limestone rock
  0.2880000E-01  0.3168000E+05                                                  Line 8(8): y, p, for vuggy limestone rock
  0.3200000E-01  0.3216000E+05                                                  Line 8(9): y, p, for vuggy limestone rock
  0.3520000E-01  0.3264000E+05                                                  Line 8(10): y, p, for vuggy limestone rock
  0.3840000E-01  0.3312000E+05                                                  Line 8(11): y, p, for vuggy limestone rock
  0.4160000E-01  0.3360000E+05                                                  Line 8(12): y, p, for vuggy limestone rock
  0.4480000E-01  0.3408000E+05                                                  Line 8(13): y, p, for vuggy limestone rock
  0.4800000E-01  0.3456000E+05                                                  Line 8(14): y, p, for vuggy limestone rock
  0.5120000E-01  0.3504000E+05                                                  Line 8(15): y, p, for vuggy limestone rock
  0.5440000E-01  0.3552000E+05                                                  Line 8(16): y, p, for vuggy limestone rock
  0.5760000E-01  0.3600000E+05                                                  Line 8(17): y, p, for vuggy limestone rock
    3   61    1                                                                 Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI
  0.0000000E+00  0.9402598E-01  0.3974873E-07  0.2000000E+05 -0.1634134E+03  0.2320000E+12 Line 10(  1): nodal depth, y, M, V, p, EI
  0.1800000E+02  0.8078792E-01  0.3341889E+06  0.1678697E+05 -0.1935898E+03  0.2320000E+12 Line 10(  2): nodal depth, y, M, V, p, EI
  0.3600000E+02  0.6801658E-01  0.6056315E+06  0.1304542E+05 -0.2221387E+03  0.2320000E+12 Line 10(  3): nodal depth, y, M, V, p, EI
  0.5400000E+02  0.5609104E-01  0.8050587E+06  0.8808839E+04 -0.2485921E+03  0.2320000E+12 Line 10(  4): nodal depth, y, M, V, p, EI
  0.7200000E+02  0.4528980E-01  0.9238860E+06  0.4118819E+04 -0.2725212E+03  0.2320000E+12 Line 10(  5): nodal depth, y, M, V, p, EI
  0.9000000E+02  0.3577881E-01  0.9543518E+06 -0.9756304E+03 -0.2935288E+03  0.2320000E+12 Line 10(  6): nodal depth, y, M, V, p, EI
  0.1080000E+03  0.2760063E-01  0.8896477E+06 -0.3625310E+04 -0.8801094E+00  0.2320000E+12 Line 10(  7): nodal depth, y, M, V, p, EI
  0.1260000E+03  0.2066489E-01  0.8245964E+06 -0.3644820E+04 -0.1287645E+01  0.2320000E+12 Line 10(  8): nodal depth, y, M, V, p, EI
  0.1440000E+03  0.1488073E-01  0.7590702E+06 -0.3671730E+04 -0.1702367E+01  0.2320000E+12 Line 10(  9): nodal depth, y, M, V, p, EI
  0.1620000E+03  0.1015666E-01  0.6929395E+06 -0.3705344E+04 -0.2032512E+01  0.2320000E+12 Line 10( 10): nodal depth, y, M, V, p, EI
  0.1800000E+03  0.6400317E-02  0.6261019E+06 -0.3743047E+04 -0.2156768E+01  0.2320000E+12 Line 10( 11): nodal depth, y, M, V, p, EI
  0.1980000E+03  0.3518355E-02  0.5585217E+06 -0.4223429E+04 -0.5121896E+02  0.2320000E+12 Line 10( 12): nodal depth, y, M, V, p, EI
  0.2160000E+03  0.1416398E-02  0.4743076E+06 -0.5052940E+04 -0.4094896E+02  0.2320000E+12 Line 10( 13): nodal depth, y, M, V, p, EI
  0.2340000E+03 -0.2316480E-04  0.3767929E+06 -0.5312123E+04  0.1215087E+02  0.2320000E+12 Line 10( 14): nodal depth, y, M, V, p, EI
  0.2520000E+03 -0.9365165E-03  0.2831888E+06 -0.4791295E+04  0.4571890E+02  0.2320000E+12 Line 10( 15): nodal depth, y, M, V, p, EI
  0.2700000E+03 -0.1454380E-02  0.2043779E+06 -0.3889733E+04  0.5445471E+02  0.2320000E+12 Line 10( 16): nodal depth, y, M, V, p, EI
  0.2880000E+03 -0.1686820E-02  0.1431960E+06 -0.2870506E+04  0.5879269E+02  0.2320000E+12 Line 10( 17): nodal depth, y, M, V, p, EI
  0.3060000E+03 -0.1719279E-02  0.1010529E+06 -0.2170392E+04  0.1899781E+02  0.2320000E+12 Line 10( 18): nodal depth, y, M, V, p, EI
  0.3240000E+03 -0.1610612E-02  0.6505806E+05 -0.1832067E+04  0.1859383E+02  0.2320000E+12 Line 10( 19): nodal depth, y, M, V, p, EI
  0.3420000E+03 -0.1411089E-02  0.3508308E+05 -0.1511826E+04  0.1698848E+02  0.2320000E+12 Line 10( 20): nodal depth, y, M, V, p, EI
  0.3600000E+03 -0.1162570E-02  0.1060992E+05 -0.1227785E+04  0.1457161E+02  0.2320000E+12 Line 10( 21): nodal depth, y, M, V, p, EI
  0.3780000E+03 -0.8992335E-03 -0.9142782E+04 -0.9911984E+03  0.1171581E+02  0.2320000E+12 Line 10( 22): nodal depth, y, M, V, p, EI
  0.3960000E+03 -0.6486656E-03 -0.2509892E+05 -0.6363804E+03  0.2770842E+02  0.2320000E+12 Line 10( 23): nodal depth, y, M, V, p, EI
  0.4140000E+03 -0.4331497E-03 -0.3207578E+05 -0.2140431E+03  0.1921794E+02  0.2320000E+12 Line 10( 24): nodal depth, y, M, V, p, EI
  0.4320000E+03 -0.2624293E-03 -0.3282378E+05  0.6758090E+02  0.1207362E+02  0.2320000E+12 Line 10( 25): nodal depth, y, M, V, p, EI
  0.4500000E+03 -0.1375490E-03 -0.2965765E+05  0.2352080E+03  0.6551617E+01  0.2320000E+12 Line 10( 26): nodal depth, y, M, V, p, EI
  0.4680000E+03 -0.5408716E-04 -0.2436671E+05  0.3181417E+03  0.2663241E+01  0.2320000E+12 Line 10( 27): nodal depth, y, M, V, p, EI
  0.4860000E+03 -0.4654662E-05 -0.1821119E+05  0.3490289E+03  0.7686678E+00  0.2320000E+12 Line 10( 28): nodal depth, y, M, V, p, EI
  0.5040000E+03  0.1934496E-04 -0.1180534E+05  0.3261305E+03 -0.3312934E+01  0.2320000E+12 Line 10( 29): nodal depth, y, M, V, p, EI
  0.5220000E+03  0.2685782E-04 -0.6472064E+04  0.2534397E+03 -0.4763822E+01  0.2320000E+12 Line 10( 30): nodal depth, y, M, V, p, EI
  0.5400000E+03  0.2533210E-04 -0.2681812E+04  0.1687321E+03 -0.4648141E+01  0.2320000E+12 Line 10( 31): nodal depth, y, M, V, p, EI
  0.5580000E+03  0.2006109E-04 -0.3973702E+03  0.9266575E+02 -0.3803672E+01  0.2320000E+12 Line 10( 32): nodal depth, y, M, V, p, EI
  0.5760000E+03  0.1423514E-04  0.6547097E+03  0.3335770E+02 -0.2786111E+01  0.2320000E+12 Line 10( 33): nodal depth, y, M, V, p, EI
  0.5940000E+03  0.9323519E-05  0.8040438E+03  0.4069932E+01 -0.4680851E+00  0.2320000E+12 Line 10( 34): nodal depth, y, M, V, p, EI
  0.6120000E+03  0.5534788E-05  0.8016622E+03 -0.2755700E+01 -0.2903184E+00  0.2320000E+12 Line 10( 35): nodal depth, y, M, V, p, EI
  0.6300000E+03  0.2865620E-05  0.7051615E+03 -0.6779363E+01 -0.1567552E+00  0.2320000E+12 Line 10( 36): nodal depth, y, M, V, p, EI
  0.6480000E+03  0.1181246E-05  0.5578228E+03 -0.8795615E+01 -0.6727275E-01  0.2320000E+12 Line 10( 37): nodal depth, y, M, V, p, EI
  0.6660000E+03  0.2759010E-06  0.3886489E+03 -0.9548068E+01 -0.1633314E-01  0.2320000E+12 Line 10( 38): nodal depth, y, M, V, p, EI
  0.6840000E+03 -0.8667594E-07  0.2141558E+03 -0.8636217E+01  0.1176498E+00  0.2320000E+12 Line 10( 39): nodal depth, y, M, V, p, EI
  0.7020000E+03 -0.1501732E-06  0.7776634E+02 -0.5720091E+01  0.2063642E+00  0.2320000E+12 Line 10( 40): nodal depth, y, M, V, p, EI
  0.7200000E+03 -0.1050658E-06  0.8233434E+01 -0.2547500E+01  0.1461460E+00  0.2320000E+12 Line 10( 41): nodal depth, y, M, V, p, EI
  0.7380000E+03 -0.4845992E-07 -0.1394873E+02 -0.6181812E+00  0.6822269E-01  0.2320000E+12 Line 10( 42): nodal depth, y, M, V, p, EI
  0.7560000E+03 -0.1133420E-07 -0.1402577E+02  0.1411472E+00  0.1614713E-01  0.2320000E+12 Line 10( 43): nodal depth, y, M, V, p, EI
  0.7740000E+03  0.6203807E-08 -0.8870167E+01  0.2648767E+00 -0.2399411E-02  0.2320000E+12 Line 10( 44): nodal depth, y, M, V, p, EI
  0.7920000E+03  0.1135417E-07 -0.4491348E+01  0.2028404E+00 -0.4493511E-02  0.2320000E+12 Line 10( 45): nodal depth, y, M, V, p, EI
  0.8100000E+03  0.1023213E-07 -0.1568113E+01  0.1251254E+00 -0.4141486E-02  0.2320000E+12 Line 10( 46): nodal depth, y, M, V, p, EI
  0.8280000E+03  0.6920134E-08  0.1338953E-01  0.6208335E-01 -0.2863190E-02  0.2320000E+12 Line 10( 47): nodal depth, y, M, V, p, EI
  0.8460000E+03  0.3626842E-08  0.6672176E+00  0.2251566E-01 -0.1533219E-02  0.2320000E+12 Line 10( 48): nodal depth, y, M, V, p, EI
  0.8640000E+03  0.1265353E-08  0.8242360E+00  0.3799990E-02 -0.5462995E-03  0.2320000E+12 Line 10( 49): nodal depth, y, M, V, p, EI
  0.8820000E+03  0.5495268E-10  0.8041959E+00 -0.2060442E-01 -0.2165301E-02  0.2320000E+12 Line 10( 50): nodal depth, y, M, V, p, EI
  0.9000000E+03 -0.3234649E-10  0.8254194E-01 -0.2280236E-01  0.1921085E-02  0.2320000E+12 Line 10( 51): nodal depth, y, M, V, p, EI
  0.9180000E+03 -0.4371583E-11 -0.1668622E-01 -0.2389505E-02  0.3470103E-03  0.2320000E+12 Line 10( 52): nodal depth, y, M, V, p, EI
  0.9360000E+03  0.3001516E-12 -0.3481889E-02  0.4651622E-03 -0.2982500E-04  0.2320000E+12 Line 10( 53): nodal depth, y, M, V, p, EI
  0.9540000E+03  0.1092477E-12  0.5939107E-04  0.9841429E-04 -0.1092477E-04  0.2320000E+12 Line 10( 54): nodal depth, y, M, V, p, EI
  0.9720000E+03  0.1286615E-14  0.6104041E-04 -0.1066623E-05 -0.1286615E-06  0.2320000E+12 Line 10( 55): nodal depth, y, M, V, p, EI
  0.9900000E+03 -0.2142841E-13  0.2099917E-04 -0.1646010E-05  0.6428522E-07  0.2320000E+12 Line 10( 56): nodal depth, y, M, V, p, EI
  0.1008000E+04 -0.1481700E-13  0.1784873E-05 -0.6673836E-06  0.4445100E-07  0.2320000E+12 Line 10( 57): nodal depth, y, M, V, p, EI
  0.1026000E+04 -0.5712927E-14 -0.3027426E-05 -0.1130756E-06  0.1713878E-07  0.2320000E+12 Line 10( 58): nodal depth, y, M, V, p, EI
  0.1044000E+04 -0.8368097E-15 -0.2286548E-05  0.6376728E-07  0.2510429E-08  0.2320000E+12 Line 10( 59): nodal depth, y, M, V, p, EI
  0.1062000E+04  0.8460248E-15 -0.7321315E-06  0.6351847E-07 -0.2538074E-08  0.2320000E+12 Line 10( 60): nodal depth, y, M, V, p, EI
  0.1080000E+04  0.1506400E-14  0.0000000E+00  0.3011418E-11 -0.4519199E-08  0.0000000E+00 Line 10( 61): nodal depth, y, M, V, p, EI
   18                                                                           Line 11: Num. points on Ytop vs. pile length curve for load case 1
  0.1080000E+04  0.9402598E-01  0.9543518E+06  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.1026000E+04  0.1036632E+00  0.9329425E+06  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.9720000E+03  0.1134491E+00  0.9125389E+06  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.9180000E+03  0.9341752E-01  0.9518567E+06  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.8640000E+03  0.1042406E+00  0.9292650E+06  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.8100000E+03  0.9078970E-01  0.9542658E+06  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.7560000E+03  0.1024810E+00  0.9307275E+06  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.7020000E+03  0.9342285E-01  0.9491262E+06  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.6480000E+03  0.1074976E+00  0.9200168E+06  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.5939999E+03  0.1031083E+00  0.9266370E+06  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.5400000E+03  0.1022294E+00  0.9287267E+06  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.4860000E+03  0.1047454E+00  0.9236374E+06  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.4320000E+03  0.9702489E-01  0.9420880E+06  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.3780000E+03  0.9708232E-01  0.9408002E+06  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.3240000E+03  0.1093128E+00  0.9136999E+06  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.2700000E+03  0.1288770E+00  0.8821218E+06  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.2160000E+03  0.2365410E+00  0.7950223E+06  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.1620000E+03  0.8964555E+00  0.6286166E+06  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.0000000E+00  0.2714964E-01 -0.1075419E+07  0.2000000E+05 -0.1198036E+03  0.2320000E+12 Line 10(  1): nodal depth, y, M, V, p, EI
  0.1800000E+02  0.2639870E-01 -0.7347896E+06  0.1760431E+05 -0.1463843E+03  0.2320000E+12 Line 10(  2): nodal depth, y, M, V, p, EI
  0.3600000E+02  0.2462159E-01 -0.4415375E+06  0.1473590E+05 -0.1723276E+03  0.2320000E+12 Line 10(  3): nodal depth, y, M, V, p, EI
  0.5400000E+02  0.2222785E-01 -0.2040886E+06  0.1140958E+05 -0.1972641E+03  0.2320000E+12 Line 10(  4): nodal depth, y, M, V, p, EI
  0.7200000E+02  0.1954909E-01 -0.3053906E+05  0.7645863E+04 -0.2209264E+03  0.2320000E+12 Line 10(  5): nodal depth, y, M, V, p, EI
  0.9000000E+02  0.1682768E-01  0.7143247E+05  0.3469427E+04 -0.2431221E+03  0.2320000E+12 Line 10(  6): nodal depth, y, M, V, p, EI
  0.1080000E+03  0.1420603E-01  0.9462746E+05  0.1278174E+04 -0.3504436E+00  0.2320000E+12 Line 10(  7): nodal depth, y, M, V, p, EI
  0.1260000E+03  0.1171653E-01  0.1177023E+06  0.1269518E+04 -0.6113094E+00  0.2320000E+12 Line 10(  8): nodal depth, y, M, V, p, EI
  0.1440000E+03  0.9391407E-02  0.1405708E+06  0.1255403E+04 -0.9570744E+00  0.2320000E+12 Line 10(  9): nodal depth, y, M, V, p, EI
  0.1620000E+03  0.7262599E-02  0.1631195E+06  0.1234551E+04 -0.1359738E+01  0.2320000E+12 Line 10( 10): nodal depth, y, M, V, p, EI
  0.1800000E+03  0.5361597E-02  0.1852162E+06  0.1206488E+04 -0.1758440E+01  0.2320000E+12 Line 10( 11): nodal depth, y, M, V, p, EI
  0.1980000E+03  0.3719258E-02  0.2067302E+06  0.7207668E+03 -0.5221057E+02  0.2320000E+12 Line 10( 12): nodal depth, y, M, V, p, EI
  0.2160000E+03  0.2365629E-02  0.2113136E+06 -0.1868251E+03 -0.4863297E+02  0.2320000E+12 Line 10( 13): nodal depth, y, M, V, p, EI
  0.2340000E+03  0.1307111E-02  0.2001251E+06 -0.1012129E+04 -0.4306744E+02  0.2320000E+12 Line 10( 14): nodal depth, y, M, V, p, EI
  0.2520000E+03  0.5280770E-03  0.1749688E+06 -0.1708756E+04 -0.3433555E+02  0.2320000E+12 Line 10( 15): nodal depth, y, M, V, p, EI
  0.2700000E+03 -0.6603546E-05  0.1386756E+06 -0.1964748E+04  0.5891968E+01  0.2320000E+12 Line 10( 16): nodal depth, y, M, V, p, EI
  0.2880000E+03 -0.3476165E-03  0.1042817E+06 -0.1602286E+04  0.3438163E+02  0.2320000E+12 Line 10( 17): nodal depth, y, M, V, p, EI
  0.3060000E+03 -0.5429946E-03  0.8102014E+05 -0.1238851E+04  0.6000022E+01  0.2320000E+12 Line 10( 18): nodal depth, y, M, V, p, EI
  0.3240000E+03 -0.6252240E-03  0.5969695E+05 -0.1119889E+04  0.7217943E+01  0.2320000E+12 Line 10( 19): nodal depth, y, M, V, p, EI
  0.3420000E+03 -0.6240834E-03  0.4070819E+05 -0.9873060E+03  0.7513509E+01  0.2320000E+12 Line 10( 20): nodal depth, y, M, V, p, EI
  0.3600000E+03 -0.5660918E-03  0.2415098E+05 -0.8558260E+03  0.7095377E+01  0.2320000E+12 Line 10( 21): nodal depth, y, M, V, p, EI
  0.3780000E+03 -0.4743721E-03  0.9890973E+04 -0.7363437E+03  0.6180436E+01  0.2320000E+12 Line 10( 22): nodal depth, y, M, V, p, EI
  0.3960000E+03 -0.3688391E-03 -0.2367259E+04 -0.5385516E+03  0.1579646E+02  0.2320000E+12 Line 10( 23): nodal depth, y, M, V, p, EI
  0.4140000E+03 -0.2666121E-03 -0.9507273E+04 -0.2897568E+03  0.1184741E+02  0.2320000E+12 Line 10( 24): nodal depth, y, M, V, p, EI
  0.4320000E+03 -0.1776625E-03 -0.1280806E+05 -0.1095081E+03  0.8180220E+01  0.2320000E+12 Line 10( 25): nodal depth, y, M, V, p, EI
  0.4500000E+03 -0.1066001E-03 -0.1345756E+05  0.9824476E+01  0.5078953E+01  0.2320000E+12 Line 10( 26): nodal depth, y, M, V, p, EI
  0.4680000E+03 -0.5433179E-04 -0.1246055E+05  0.7961258E+02  0.2675281E+01  0.2320000E+12 Line 10( 27): nodal depth, y, M, V, p, EI
  0.4860000E+03 -0.1946531E-04 -0.1059587E+05  0.1326205E+03  0.3214489E+01  0.2320000E+12 Line 10( 28): nodal depth, y, M, V, p, EI
  0.5040000E+03  0.6034862E-06 -0.7688956E+04  0.1606207E+03 -0.1033504E+00  0.2320000E+12 Line 10( 29): nodal depth, y, M, V, p, EI
  0.5220000E+03  0.9934260E-05 -0.4814992E+04  0.1438321E+03 -0.1762058E+01  0.2320000E+12 Line 10( 30): nodal depth, y, M, V, p, EI
  0.5400000E+03  0.1254065E-04 -0.2511598E+04  0.1072640E+03 -0.2301060E+01  0.2320000E+12 Line 10( 31): nodal depth, y, M, V, p, EI
  0.5580000E+03  0.1163946E-04 -0.9535728E+03  0.6669242E+02 -0.2206893E+01  0.2320000E+12 Line 10( 32): nodal depth, y, M, V, p, EI
  0.5760000E+03  0.9406558E-05 -0.1105144E+03  0.3026086E+02 -0.1841058E+01  0.2320000E+12 Line 10( 33): nodal depth, y, M, V, p, EI
  0.5940000E+03  0.7019317E-05  0.1360490E+03  0.1051970E+02 -0.3524032E+00  0.2320000E+12 Line 10( 34): nodal depth, y, M, V, p, EI
  0.6120000E+03  0.4822076E-05  0.2684242E+03  0.5071667E+01 -0.2529343E+00  0.2320000E+12 Line 10( 35): nodal depth, y, M, V, p, EI
  0.6300000E+03  0.2999703E-05  0.3188300E+03  0.1318450E+01 -0.1640898E+00  0.2320000E+12 Line 10( 36): nodal depth, y, M, V, p, EI
  0.6480000E+03  0.1622592E-05  0.3160484E+03 -0.9900277E+00 -0.9240770E-01  0.2320000E+12 Line 10( 37): nodal depth, y, M, V, p, EI
  0.6660000E+03  0.6868597E-06  0.2833046E+03 -0.2187651E+01 -0.4066160E-01  0.2320000E+12 Line 10( 38): nodal depth, y, M, V, p, EI
  0.6840000E+03  0.1467766E-06  0.2373667E+03 -0.4346655E+01 -0.1992277E+00  0.2320000E+12 Line 10( 39): nodal depth, y, M, V, p, EI
  0.7020000E+03 -0.6181149E-07  0.1268625E+03 -0.5375246E+01  0.8493976E-01  0.2320000E+12 Line 10( 40): nodal depth, y, M, V, p, EI
  0.7200000E+03 -0.9322958E-07  0.4386987E+02 -0.3443651E+01  0.1296819E+00  0.2320000E+12 Line 10( 41): nodal depth, y, M, V, p, EI
  0.7380000E+03 -0.6338112E-07  0.2891130E+01 -0.1473453E+01  0.8922900E-01  0.2320000E+12 Line 10( 42): nodal depth, y, M, V, p, EI
  0.7560000E+03 -0.2949505E-07 -0.9177616E+01 -0.2922138E+00  0.4201977E-01  0.2320000E+12 Line 10( 43): nodal depth, y, M, V, p, EI
  0.7740000E+03 -0.8425991E-08 -0.7631316E+01  0.1152939E+00  0.3258872E-02  0.2320000E+12 Line 10( 44): nodal depth, y, M, V, p, EI
  0.7920000E+03  0.1985538E-08 -0.5028609E+01  0.1375516E+00 -0.7857940E-03  0.2320000E+12 Line 10( 45): nodal depth, y, M, V, p, EI
  0.8100000E+03  0.5374355E-08 -0.2680148E+01  0.1109019E+00 -0.2175288E-02  0.2320000E+12 Line 10( 46): nodal depth, y, M, V, p, EI
  0.8280000E+03  0.5020206E-08 -0.1036293E+01  0.7263040E-01 -0.2077099E-02  0.2320000E+12 Line 10( 47): nodal depth, y, M, V, p, EI
  0.8460000E+03  0.3218821E-08 -0.6534590E-01  0.4168992E-01 -0.1360732E-02  0.2320000E+12 Line 10( 48): nodal depth, y, M, V, p, EI
  0.8640000E+03  0.1326177E-08  0.4647287E+00  0.2429030E-01 -0.5725593E-03  0.2320000E+12 Line 10( 49): nodal depth, y, M, V, p, EI
  0.8820000E+03  0.8255015E-10  0.8092616E+00 -0.1013726E-01 -0.3252724E-02  0.2320000E+12 Line 10( 50): nodal depth, y, M, V, p, EI
  0.9000000E+03 -0.3090079E-10  0.9985522E-01 -0.2289477E-01  0.1835223E-02  0.2320000E+12 Line 10( 51): nodal depth, y, M, V, p, EI
  0.9180000E+03 -0.4898746E-11 -0.1494576E-01 -0.2878058E-02  0.3888558E-03  0.2320000E+12 Line 10( 52): nodal depth, y, M, V, p, EI
  0.9360000E+03  0.2307645E-12 -0.3756411E-02  0.4152726E-03 -0.2293025E-04  0.2320000E+12 Line 10( 53): nodal depth, y, M, V, p, EI
  0.9540000E+03  0.1142528E-12  0.3801112E-05  0.1060729E-03 -0.1142528E-04  0.2320000E+12 Line 10( 54): nodal depth, y, M, V, p, EI
  0.9720000E+03  0.3049479E-14  0.6222376E-04  0.5008631E-06 -0.3049479E-06  0.2320000E+12 Line 10( 55): nodal depth, y, M, V, p, EI
  0.9900000E+03 -0.2125510E-13  0.2183896E-04 -0.1669780E-05  0.6376529E-07  0.2320000E+12 Line 10( 56): nodal depth, y, M, V, p, EI
  0.1008000E+04 -0.1506043E-13  0.2112583E-05 -0.6892609E-06  0.4518130E-07  0.2320000E+12 Line 10( 57): nodal depth, y, M, V, p, EI
  0.1026000E+04 -0.5915438E-14 -0.2975199E-05 -0.1229124E-06  0.1774631E-07  0.2320000E+12 Line 10( 58): nodal depth, y, M, V, p, EI
  0.1044000E+04 -0.9254635E-15 -0.2312969E-05  0.6179198E-07  0.2776391E-08  0.2320000E+12 Line 10( 59): nodal depth, y, M, V, p, EI
  0.1062000E+04  0.8343309E-15 -0.7510257E-06  0.6425256E-07 -0.2502993E-08  0.2320000E+12 Line 10( 60): nodal depth, y, M, V, p, EI
  0.1080000E+04  0.1545279E-14  0.0000000E+00  0.3088498E-11 -0.4635837E-08  0.0000000E+00 Line 10( 61): nodal depth, y, M, V, p, EI
   20                                                                           Line 11: Num. points on Ytop vs. pile length curve for load case 2
  0.1080000E+04  0.2714964E-01 -0.1075419E+07  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.1026000E+04  0.3102138E-01 -0.1095716E+07  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.9720000E+03  0.3435267E-01 -0.1123194E+07  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.9180000E+03  0.2685123E-01 -0.1075144E+07  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.8640000E+03  0.3113516E-01 -0.1097782E+07  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.8100000E+03  0.2591371E-01 -0.1068110E+07  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.7560000E+03  0.3044213E-01 -0.1093925E+07  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.7020000E+03  0.2683756E-01 -0.1074838E+07  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.6480000E+03  0.3208245E-01 -0.1108253E+07  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.5939999E+03  0.3056357E-01 -0.1096483E+07  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.5400000E+03  0.3022509E-01 -0.1094403E+07  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.4860000E+03  0.3105518E-01 -0.1101568E+07  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.4320000E+03  0.2810001E-01 -0.1084007E+07  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.3780000E+03  0.2830932E-01 -0.1080878E+07  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.3240000E+03  0.3256442E-01 -0.1094457E+07  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.2700000E+03  0.3297618E-01 -0.1102672E+07  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.2160000E+03  0.3557802E-01 -0.1161965E+07  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.1620000E+03  0.3759203E-01 -0.1090237E+07  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.1080000E+03  0.3726363E-01 -0.1085701E+07  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.5400001E+02  0.5920791E+00 -0.6146163E+06  0.2000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)
  0.0000000E+00  0.2500000E+00  0.1000000E+06  0.2900482E+05 -0.2086549E+03  0.2320000E+12 Line 10(  1): nodal depth, y, M, V, p, EI
  0.1800000E+02  0.2207300E+00  0.5897481E+06  0.2488706E+05 -0.2488734E+03  0.2320000E+12 Line 10(  2): nodal depth, y, M, V, p, EI
  0.3600000E+02  0.1922836E+00  0.9988200E+06  0.2005502E+05 -0.2880198E+03  0.2320000E+12 Line 10(  3): nodal depth, y, M, V, p, EI
  0.5400000E+02  0.1652321E+00  0.1314504E+07  0.1453198E+05 -0.3256513E+03  0.2320000E+12 Line 10(  4): nodal depth, y, M, V, p, EI
  0.7200000E+02  0.1400163E+00  0.1524585E+07  0.8349113E+04 -0.3613341E+03  0.2320000E+12 Line 10(  5): nodal depth, y, M, V, p, EI
  0.9000000E+02  0.1169298E+00  0.1617487E+07  0.1545451E+04 -0.3946284E+03  0.2320000E+12 Line 10(  6): nodal depth, y, M, V, p, EI
  0.1080000E+03  0.9610211E-01  0.1582417E+07 -0.2050864E+04 -0.4962214E+01  0.2320000E+12 Line 10(  7): nodal depth, y, M, V, p, EI
  0.1260000E+03  0.7748437E-01  0.1545628E+07 -0.2161217E+04 -0.7299192E+01  0.2320000E+12 Line 10(  8): nodal depth, y, M, V, p, EI
  0.1440000E+03  0.6102519E-01  0.1506367E+07 -0.2316451E+04 -0.9949052E+01  0.2320000E+12 Line 10(  9): nodal depth, y, M, V, p, EI
  0.1620000E+03  0.4666972E-01  0.1463777E+07 -0.2519720E+04 -0.1263638E+02  0.2320000E+12 Line 10( 10): nodal depth, y, M, V, p, EI
  0.1800000E+03  0.3435849E-01  0.1416990E+07 -0.2768077E+04 -0.1495880E+02  0.2320000E+12 Line 10( 11): nodal depth, y, M, V, p, EI
  0.1980000E+03  0.2402616E-01  0.1365258E+07 -0.3777165E+04 -0.9716211E+02  0.2320000E+12 Line 10( 12): nodal depth, y, M, V, p, EI
  0.2160000E+03  0.1560048E-01  0.1281950E+07 -0.5471394E+04 -0.9108557E+02  0.2320000E+12 Line 10( 13): nodal depth, y, M, V, p, EI
  0.2340000E+03  0.8965118E-02  0.1169041E+07 -0.7025843E+04 -0.8163096E+02  0.2320000E+12 Line 10( 14): nodal depth, y, M, V, p, EI
  0.2520000E+03  0.3962378E-02  0.1029602E+07 -0.8361657E+04 -0.6679284E+02  0.2320000E+12 Line 10( 15): nodal depth, y, M, V, p, EI
  0.2700000E+03  0.3975305E-03  0.8684496E+06 -0.9264367E+04 -0.3350832E+02  0.2320000E+12 Line 10( 16): nodal depth, y, M, V, p, EI
  0.2880000E+03 -0.1954483E-02  0.6963803E+06 -0.9011169E+04  0.6164150E+02  0.2320000E+12 Line 10( 17): nodal depth, y, M, V, p, EI
  0.3060000E+03 -0.3333965E-02  0.5442341E+06 -0.8124836E+04  0.3683989E+02  0.2320000E+12 Line 10( 18): nodal depth, y, M, V, p, EI
  0.3240000E+03 -0.3953396E-02  0.4039861E+06 -0.7382515E+04  0.4564026E+02  0.2320000E+12 Line 10( 19): nodal depth, y, M, V, p, EI
  0.3420000E+03 -0.4008639E-02  0.2784973E+06 -0.6537403E+04  0.4826109E+02  0.2320000E+12 Line 10( 20): nodal depth, y, M, V, p, EI
  0.3600000E+03 -0.3674947E-02  0.1686257E+06 -0.5688498E+04  0.4606167E+02  0.2320000E+12 Line 10( 21): nodal depth, y, M, V, p, EI
  0.3780000E+03 -0.3105760E-02  0.7366623E+05 -0.4909768E+04  0.4046391E+02  0.2320000E+12 Line 10( 22): nodal depth, y, M, V, p, EI
  0.3960000E+03 -0.2433694E-02 -0.8188041E+04 -0.3625296E+04  0.1022552E+03  0.2320000E+12 Line 10( 23): nodal depth, y, M, V, p, EI
  0.4140000E+03 -0.1773064E-02 -0.5691107E+05 -0.2005758E+04  0.7769356E+02  0.2320000E+12 Line 10( 24): nodal depth, y, M, V, p, EI
  0.4320000E+03 -0.1191913E-02 -0.8045741E+05 -0.8172488E+03  0.5436297E+02  0.2320000E+12 Line 10( 25): nodal depth, y, M, V, p, EI
  0.4500000E+03 -0.7231242E-03 -0.8638452E+05 -0.1968727E+02  0.3425498E+02  0.2320000E+12 Line 10( 26): nodal depth, y, M, V, p, EI
  0.4680000E+03 -0.3749763E-03 -0.8120699E+05  0.4542820E+03  0.1840827E+02  0.2320000E+12 Line 10( 27): nodal depth, y, M, V, p, EI
  0.4860000E+03 -0.1402382E-03 -0.7005951E+05  0.8283860E+03  0.2315884E+02  0.2320000E+12 Line 10( 28): nodal depth, y, M, V, p, EI
  0.5040000E+03 -0.3341769E-05 -0.5140368E+05  0.1041966E+04  0.5722967E+00  0.2320000E+12 Line 10( 29): nodal depth, y, M, V, p, EI
  0.5220000E+03  0.6176673E-04 -0.3255883E+05  0.9485158E+03 -0.1095568E+02  0.2320000E+12 Line 10( 30): nodal depth, y, M, V, p, EI
  0.5400000E+03  0.8140513E-04 -0.1726135E+05  0.7154827E+03 -0.1493688E+02  0.2320000E+12 Line 10( 31): nodal depth, y, M, V, p, EI
  0.5580000E+03  0.7693717E-04 -0.6802211E+04  0.4497622E+03 -0.1458763E+02  0.2320000E+12 Line 10( 32): nodal depth, y, M, V, p, EI
  0.5760000E+03  0.6296956E-04 -0.1068988E+04  0.2075535E+03 -0.1232445E+02  0.2320000E+12 Line 10( 33): nodal depth, y, M, V, p, EI
  0.5940000E+03  0.4750907E-04  0.6711879E+03  0.7516687E+02 -0.2385182E+01  0.2320000E+12 Line 10( 34): nodal depth, y, M, V, p, EI
  0.6120000E+03  0.3298591E-04  0.1638518E+04  0.3812822E+02 -0.1730223E+01  0.2320000E+12 Line 10( 35): nodal depth, y, M, V, p, EI
  0.6300000E+03  0.2075104E-04  0.2045142E+04  0.1234010E+02 -0.1135124E+01  0.2320000E+12 Line 10( 36): nodal depth, y, M, V, p, EI
  0.6480000E+03  0.1137231E-04  0.2083842E+04 -0.3704961E+01 -0.6476606E+00  0.2320000E+12 Line 10( 37): nodal depth, y, M, V, p, EI
  0.6660000E+03  0.4903776E-05  0.1912556E+04 -0.1214661E+02 -0.2903000E+00  0.2320000E+12 Line 10( 38): nodal depth, y, M, V, p, EI
  0.6840000E+03  0.1106223E-05  0.1647078E+04 -0.2827313E+02 -0.1501536E+01  0.2320000E+12 Line 10( 39): nodal depth, y, M, V, p, EI
  0.7020000E+03 -0.3910991E-06  0.8949878E+03 -0.3695000E+02  0.5374383E+00  0.2320000E+12 Line 10( 40): nodal depth, y, M, V, p, EI
  0.7200000E+03 -0.6385249E-06  0.3169651E+03 -0.2411939E+02  0.8881853E+00  0.2320000E+12 Line 10( 41): nodal depth, y, M, V, p, EI
  0.7380000E+03 -0.4432926E-06  0.2669234E+02 -0.1050905E+02  0.6240747E+00  0.2320000E+12 Line 10( 42): nodal depth, y, M, V, p, EI
  0.7560000E+03 -0.2107830E-06 -0.6138207E+02 -0.2189771E+01  0.3002895E+00  0.2320000E+12 Line 10( 43): nodal depth, y, M, V, p, EI
  0.7740000E+03 -0.6399666E-07 -0.5215839E+02  0.7355988E+00  0.2475162E-01  0.2320000E+12 Line 10( 44): nodal depth, y, M, V, p, EI
  0.7920000E+03  0.9947803E-08 -0.3491155E+02  0.9229310E+00 -0.3936930E-02  0.2320000E+12 Line 10( 45): nodal depth, y, M, V, p, EI
  0.8100000E+03  0.3513649E-07 -0.1893783E+02  0.7595041E+00 -0.1422161E-01  0.2320000E+12 Line 10( 46): nodal depth, y, M, V, p, EI
  0.8280000E+03  0.3387751E-07 -0.7570595E+01  0.5053589E+00 -0.1401674E-01  0.2320000E+12 Line 10( 47): nodal depth, y, M, V, p, EI
  0.8460000E+03  0.2204580E-07 -0.7442549E+00  0.2953310E+00 -0.9319695E-02  0.2320000E+12 Line 10( 48): nodal depth, y, M, V, p, EI
  0.8640000E+03  0.9174709E-08  0.3062556E+01  0.1758042E+00 -0.3961060E-02  0.2320000E+12 Line 10( 49): nodal depth, y, M, V, p, EI
  0.8820000E+03  0.5806317E-09  0.5585769E+01 -0.6575308E-01 -0.2287864E-01  0.2320000E+12 Line 10( 50): nodal depth, y, M, V, p, EI
  0.9000000E+03 -0.2126302E-09  0.6959145E+00 -0.1580063E+00  0.1262828E-01  0.2320000E+12 Line 10( 51): nodal depth, y, M, V, p, EI
  0.9180000E+03 -0.3401148E-10 -0.1024257E+00 -0.2005367E-01  0.2699785E-02  0.2320000E+12 Line 10( 52): nodal depth, y, M, V, p, EI
  0.9360000E+03  0.1564440E-11 -0.2602842E-01  0.2845317E-02 -0.1554528E-03  0.2320000E+12 Line 10( 53): nodal depth, y, M, V, p, EI
  0.9540000E+03  0.7903253E-12  0.3963899E-05  0.7349485E-03 -0.7903253E-04  0.2320000E+12 Line 10( 54): nodal depth, y, M, V, p, EI
  0.9720000E+03  0.2174679E-13  0.4298052E-03  0.4083610E-05 -0.2174679E-05  0.2320000E+12 Line 10( 55): nodal depth, y, M, V, p, EI
  0.9900000E+03 -0.1465864E-12  0.1510207E-03 -0.1153066E-04  0.4397593E-06  0.2320000E+12 Line 10( 56): nodal depth, y, M, V, p, EI
  0.1008000E+04 -0.1040114E-12  0.1470764E-04 -0.4764522E-05  0.3120343E-06  0.2320000E+12 Line 10( 57): nodal depth, y, M, V, p, EI
  0.1026000E+04 -0.4089643E-13 -0.2050736E-04 -0.8520099E-06  0.1226893E-06  0.2320000E+12 Line 10( 58): nodal depth, y, M, V, p, EI
  0.1044000E+04 -0.6421015E-14 -0.1596959E-04  0.4255610E-06  0.1926305E-07  0.2320000E+12 Line 10( 59): nodal depth, y, M, V, p, EI
  0.1062000E+04  0.5752031E-14 -0.5189492E-05  0.4436236E-06 -0.1725609E-07  0.2320000E+12 Line 10( 60): nodal depth, y, M, V, p, EI
  0.1080000E+04  0.1067768E-13  0.0000000E+00  0.2135273E-10 -0.3203305E-07  0.0000000E+00 Line 10( 61): nodal depth, y, M, V, p, EI
    0                                                                           Line 11: Num. points on Ytop vs. Length curve for load case 3
  0.2000000E+05  0.9402598E-01  0.9543518E+06  0.2000000E+05 -0.7354474E-03     Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)
  0.2000000E+05  0.2714964E-01 -0.1075419E+07  0.2000000E+05  0.9637353E-19     Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)
  0.2900482E+05  0.2500000E+00  0.1617487E+07  0.2900482E+05 -0.1629992E-02     Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)
  0.2000000E+04  0.1000000E+02  0.6112183E+07  0.1764402E+09  0.1685422E+09  0.9135234E+10  0.3272153E-03  0.1094663E-08  Line 14: V, M, K22, K23, K32, K33, ytop, theta
  0.6020600E+04  0.3010300E+02  0.4195451E+07  0.1764402E+09  0.1416408E+09  0.9135234E+10  0.1435030E-02  0.3295263E-08  Line 14: V, M, K22, K23, K32, K33, ytop, theta
  0.9542425E+04  0.4771213E+02  0.2566870E+07  0.1764402E+09  0.1010062E+09  0.9135234E+10  0.3717534E-02  0.5222869E-08  Line 14: V, M, K22, K23, K32, K33, ytop, theta
  0.1204120E+05  0.6020600E+02  0.1757669E+07  0.1764402E+09  0.7549195E+08  0.9135234E+10  0.6850665E-02  0.6590526E-08  Line 14: V, M, K22, K23, K32, K33, ytop, theta
  0.1397940E+05  0.6989700E+02  0.1361987E+07  0.1764402E+09  0.6219442E+08  0.9135234E+10  0.1026397E-01  0.7651364E-08  Line 14: V, M, K22, K23, K32, K33, ytop, theta
  0.1556303E+05  0.7781513E+02  0.1129985E+07  0.1764402E+09  0.5402393E+08  0.9135234E+10  0.1377277E-01  0.8518132E-08  Line 14: V, M, K22, K23, K32, K33, ytop, theta
  0.1690196E+05  0.8450980E+02  0.9809189E+06  0.1764402E+09  0.4870634E+08  0.9135234E+10  0.1723074E-01  0.9250973E-08  Line 14: V, M, K22, K23, K32, K33, ytop, theta
  0.1806180E+05  0.9030900E+02  0.8752805E+06  0.1764402E+09  0.4481746E+08  0.9135234E+10  0.2063544E-01  0.9885789E-08  Line 14: V, M, K22, K23, K32, K33, ytop, theta
  0.1908485E+05  0.9542425E+02  0.7966191E+06  0.1764402E+09  0.4186452E+08  0.9135234E+10  0.2395731E-01  0.1044574E-07  Line 14: V, M, K22, K23, K32, K33, ytop, theta
  0.2000000E+05  0.1000000E+03  0.7366580E+06  0.1764402E+09  0.3961080E+08  0.9135234E+10  0.2714964E-01  0.1094663E-07  Line 14: V, M, K22, K23, K32, K33, ytop, theta
