    3    1    0    0                                                            Line 1 : i_Analysis_Type, IUNITS, KYL, ib_ComputeKmatrix_1T0F
    1                                                                           Line 2 : Total number of sections
    1                                                                           Line 3 : Total number of axial thrusts
  123            0.2250000E+03  0.2623964E+05                                   Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips), Section 1
  0.7460894E+03  0.1193743E+10  0.6250000E-06                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=1
  0.1492159E+04  0.1193727E+10  0.1250000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=2
  0.2237399E+04  0.1193280E+10  0.1875000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=3
  0.2979952E+04  0.1191981E+10  0.2500000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=4
  0.3719153E+04  0.1190129E+10  0.3125000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=5
  0.4454815E+04  0.1187951E+10  0.3750000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=6
  0.5186871E+04  0.1185571E+10  0.4375000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=7
  0.5915293E+04  0.1183059E+10  0.5000000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=8
  0.6640067E+04  0.1180456E+10  0.5625000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=9
  0.6640067E+04  0.1062411E+10  0.6250000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=10
  0.6640067E+04  0.9658279E+09  0.6875000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=11
  0.6640067E+04  0.8853422E+09  0.7500000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=12
  0.6640067E+04  0.8172390E+09  0.8125000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=13
  0.6640067E+04  0.7588648E+09  0.8750000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=14
  0.6640067E+04  0.7082738E+09  0.9375000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=15
  0.6640067E+04  0.6640067E+09  0.1000000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=16
  0.6640067E+04  0.6249474E+09  0.1062500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=17
  0.6640067E+04  0.5902281E+09  0.1125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=18
  0.6640067E+04  0.5591635E+09  0.1187500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=19
  0.6640067E+04  0.5312053E+09  0.1250000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=20
  0.6640067E+04  0.5059098E+09  0.1312500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=21
  0.6640067E+04  0.4829139E+09  0.1375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=22
  0.6640067E+04  0.4619177E+09  0.1437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=23
  0.6640067E+04  0.4426711E+09  0.1500000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=24
  0.6640067E+04  0.4249643E+09  0.1562500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=25
  0.6728981E+04  0.4140911E+09  0.1625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=26
  0.6890371E+04  0.4083183E+09  0.1687500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=27
  0.7050947E+04  0.4029113E+09  0.1750000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=28
  0.7211402E+04  0.3978704E+09  0.1812500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=29
  0.7371625E+04  0.3931533E+09  0.1875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=30
  0.7530915E+04  0.3886924E+09  0.1937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=31
  0.7690087E+04  0.3845043E+09  0.2000000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=32
  0.7849139E+04  0.3805643E+09  0.2062500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=33
  0.8008024E+04  0.3768482E+09  0.2125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=34
  0.8166126E+04  0.3733086E+09  0.2187500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=35
  0.8324113E+04  0.3699606E+09  0.2250000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=36
  0.8481982E+04  0.3667884E+09  0.2312500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=37
  0.8639734E+04  0.3637783E+09  0.2375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=38
  0.8797369E+04  0.3609177E+09  0.2437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=39
  0.9111265E+04  0.3555615E+09  0.2562500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=40
  0.9424634E+04  0.3506840E+09  0.2687500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=41
  0.9737541E+04  0.3462237E+09  0.2812500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=42
  0.1004959E+05  0.3421136E+09  0.2937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=43
  0.1036074E+05  0.3383098E+09  0.3062500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=44
  0.1067144E+05  0.3347902E+09  0.3187500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=45
  0.1098168E+05  0.3315223E+09  0.3312500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=46
  0.1129145E+05  0.3284786E+09  0.3437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=47
  0.1160043E+05  0.3256262E+09  0.3562500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=48
  0.1190872E+05  0.3229482E+09  0.3687500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=49
  0.1221654E+05  0.3204339E+09  0.3812500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=50
  0.1252391E+05  0.3180675E+09  0.3937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=51
  0.1283081E+05  0.3158354E+09  0.4062500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=52
  0.1313725E+05  0.3137254E+09  0.4187500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=53
  0.1344322E+05  0.3117268E+09  0.4312500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=54
  0.1374872E+05  0.3098303E+09  0.4437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=55
  0.1405344E+05  0.3080206E+09  0.4562500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=56
  0.1435767E+05  0.3062970E+09  0.4687500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=57
  0.1466143E+05  0.3046531E+09  0.4812500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=58
  0.1496472E+05  0.3030829E+09  0.4937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=59
  0.1526753E+05  0.3015808E+09  0.5062500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=60
  0.1556986E+05  0.3001418E+09  0.5187500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=61
  0.1587170E+05  0.2987615E+09  0.5312500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=62
  0.1617306E+05  0.2974356E+09  0.5437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=63
  0.1647393E+05  0.2961606E+09  0.5562500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=64
  0.1677431E+05  0.2949329E+09  0.5687500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=65
  0.1707419E+05  0.2937494E+09  0.5812500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=66
  0.1737356E+05  0.2926074E+09  0.5937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=67
  0.1767244E+05  0.2915041E+09  0.6062500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=68
  0.1797080E+05  0.2904372E+09  0.6187500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=69
  0.1826865E+05  0.2894044E+09  0.6312500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=70
  0.1856593E+05  0.2884028E+09  0.6437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=71
  0.1886265E+05  0.2874309E+09  0.6562500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=72
  0.1915886E+05  0.2864876E+09  0.6687500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=73
  0.1944684E+05  0.2854582E+09  0.6812500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=74
  0.1971180E+05  0.2841340E+09  0.6937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=75
  0.1995899E+05  0.2826052E+09  0.7062500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=76
  0.2018439E+05  0.2808262E+09  0.7187500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=77
  0.2036843E+05  0.2785426E+09  0.7312500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=78
  0.2053085E+05  0.2760450E+09  0.7437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=79
  0.2117448E+05  0.2667652E+09  0.7937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=80
  0.2176890E+05  0.2580018E+09  0.8437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=81
  0.2213429E+05  0.2476564E+09  0.8937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=82
  0.2248916E+05  0.2382957E+09  0.9437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=83
  0.2284081E+05  0.2298446E+09  0.9937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=84
  0.2318658E+05  0.2221468E+09  0.1043750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=85
  0.2350987E+05  0.2149474E+09  0.1093750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=86
  0.2370550E+05  0.2072612E+09  0.1143750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=87
  0.2386806E+05  0.1999419E+09  0.1193750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=88
  0.2402610E+05  0.1931747E+09  0.1243750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=89
  0.2418230E+05  0.1869163E+09  0.1293750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=90
  0.2433663E+05  0.1811098E+09  0.1343750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=91
  0.2448816E+05  0.1756998E+09  0.1393750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=92
  0.2463553E+05  0.1706357E+09  0.1443750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=93
  0.2478103E+05  0.1658981E+09  0.1493750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=94
  0.2492461E+05  0.1614550E+09  0.1543750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=95
  0.2506623E+05  0.1572783E+09  0.1593750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=96
  0.2520151E+05  0.1533172E+09  0.1643750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=97
  0.2530945E+05  0.1494285E+09  0.1693750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=98
  0.2538210E+05  0.1455604E+09  0.1743750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=99
  0.2543572E+05  0.1418019E+09  0.1793750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=100
  0.2548508E+05  0.1382242E+09  0.1843750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=101
  0.2553314E+05  0.1348284E+09  0.1893750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=102
  0.2558034E+05  0.1316030E+09  0.1943750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=103
  0.2562618E+05  0.1285325E+09  0.1993750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=104
  0.2566882E+05  0.1255967E+09  0.2043750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=105
  0.2571051E+05  0.1227965E+09  0.2093750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=106
  0.2575098E+05  0.1201212E+09  0.2143750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=107
  0.2579089E+05  0.1175653E+09  0.2193750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=108
  0.2583024E+05  0.1151208E+09  0.2243750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=109
  0.2586864E+05  0.1127788E+09  0.2293750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=110
  0.2590638E+05  0.1105339E+09  0.2343750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=111
  0.2594366E+05  0.1083808E+09  0.2393750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=112
  0.2598049E+05  0.1063140E+09  0.2443750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=113
  0.2601592E+05  0.1043245E+09  0.2493750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=114
  0.2604990E+05  0.1024075E+09  0.2543750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=115
  0.2608356E+05  0.1005631E+09  0.2593750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=116
  0.2611688E+05  0.9878727E+08  0.2643750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=117
  0.2614968E+05  0.9707538E+08  0.2693750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=118
  0.2618192E+05  0.9542384E+08  0.2743750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=119
  0.2635889E+05  0.8660005E+08  0.3043750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=120
  0.2650550E+05  0.7926879E+08  0.3343750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=121
  0.2657747E+05  0.7293988E+08  0.3643750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=122
  0.2657747E+05  0.6739137E+08  0.3943750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=123
    2                                                                           Line 6 : number of output p-y curves
  0.3600000E+02   17                                                            Line 7:  p-y curve depth in soft clay, no. p-y points on curve no. 1
  0.0000000E+00  0.0000000E+00                                                  Line 8(1): y, p, for soft clay
  0.1200000E+00  0.1109239E+03                                                  Line 8(2): y, p, for soft clay
  0.3000000E+00  0.1505469E+03                                                  Line 8(3): y, p, for soft clay
  0.6000000E+00  0.1896772E+03                                                  Line 8(4): y, p, for soft clay
  0.9000000E+00  0.2171262E+03                                                  Line 8(5): y, p, for soft clay
  0.1200000E+01  0.2389783E+03                                                  Line 8(6): y, p, for soft clay
  0.2400000E+01  0.3010938E+03                                                  Line 8(7): y, p, for soft clay
  0.3600000E+01  0.3446663E+03                                                  Line 8(8): y, p, for soft clay
  0.4800000E+01  0.3793544E+03                                                  Line 8(9): y, p, for soft clay
  0.6000000E+01  0.4086471E+03                                                  Line 8(10): y, p, for soft clay
  0.7200000E+01  0.4342523E+03                                                  Line 8(11): y, p, for soft clay
  0.9600000E+01  0.4779565E+03                                                  Line 8(12): y, p, for soft clay
  0.1200000E+02  0.5148631E+03                                                  Line 8(13): y, p, for soft clay
  0.1440000E+02  0.5471237E+03                                                  Line 8(14): y, p, for soft clay
  0.1680000E+02  0.5759716E+03                                                  Line 8(15): y, p, for soft clay
  0.1920000E+02  0.6021875E+03                                                  Line 8(16): y, p, for soft clay
  0.2040000E+02  0.6021875E+03                                                  Line 8(17): y, p, for soft clay
  0.3120000E+03   17                                                            Line 7:  p-y curve depth in stiff clay w/o free water, no. p-y points on curve no. 2
  0.0000000E+00  0.0000000E+00                                                  Line 8(1): y, p, for stiff clay w/o water
  0.1305600E-03  0.2245968E+03                                                  Line 8(2): y, p, for stiff clay w/o water
  0.6528000E-03  0.3358505E+03                                                  Line 8(3): y, p, for stiff clay w/o water
  0.1305600E-02  0.3993958E+03                                                  Line 8(4): y, p, for stiff clay w/o water
  0.6528000E-02  0.5972360E+03                                                  Line 8(5): y, p, for stiff clay w/o water
  0.1305600E-01  0.7102373E+03                                                  Line 8(6): y, p, for stiff clay w/o water
  0.6528000E-01  0.1062053E+04                                                  Line 8(7): y, p, for stiff clay w/o water
  0.1305600E+00  0.1263000E+04                                                  Line 8(8): y, p, for stiff clay w/o water
  0.3264000E+00  0.1588139E+04                                                  Line 8(9): y, p, for stiff clay w/o water
  0.6528000E+00  0.1888626E+04                                                  Line 8(10): y, p, for stiff clay w/o water
  0.9792000E+00  0.2090108E+04                                                  Line 8(11): y, p, for stiff clay w/o water
  0.1305600E+01  0.2245968E+04                                                  Line 8(12): y, p, for stiff clay w/o water
  0.3264000E+01  0.2824155E+04                                                  Line 8(13): y, p, for stiff clay w/o water
  0.6528000E+01  0.3358505E+04                                                  Line 8(14): y, p, for stiff clay w/o water
  0.1305600E+02  0.3993958E+04                                                  Line 8(15): y, p, for stiff clay w/o water
  0.1338240E+02  0.3993958E+04                                                  Line 8(16): y, p, for stiff clay w/o water
  0.1370880E+02  0.3993958E+04                                                  Line 8(17): y, p, for stiff clay w/o water
    1  101    1                                                                 Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI
  0.0000000E+00  0.1194307E+01  0.9000000E+06  0.6740000E+05 -0.1584893E+03  0.1193738E+13 Line 10(  1): nodal depth, y, M, V, p, EI
  0.7920000E+01  0.1148788E+01  0.1439079E+07  0.6608519E+05 -0.1735327E+03  0.1193728E+13 Line 10(  2): nodal depth, y, M, V, p, EI
  0.1584000E+02  0.1103344E+01  0.1967256E+07  0.6465256E+05 -0.1882435E+03  0.1193403E+13 Line 10(  3): nodal depth, y, M, V, p, EI
  0.2376000E+02  0.1058003E+01  0.2483602E+07  0.6310484E+05 -0.2025948E+03  0.1192763E+13 Line 10(  4): nodal depth, y, M, V, p, EI
  0.3168000E+02  0.1012793E+01  0.2987211E+07  0.6144499E+05 -0.2165580E+03  0.1191958E+13 Line 10(  5): nodal depth, y, M, V, p, EI
  0.3960000E+02  0.9677398E+00  0.3477200E+07  0.5967622E+05 -0.2301024E+03  0.1190648E+13 Line 10(  6): nodal depth, y, M, V, p, EI
  0.4752000E+02  0.9228700E+00  0.3952715E+07  0.5780196E+05 -0.2431952E+03  0.1189349E+13 Line 10(  7): nodal depth, y, M, V, p, EI
  0.5544000E+02  0.8782087E+00  0.4412928E+07  0.5582593E+05 -0.2558010E+03  0.1188055E+13 Line 10(  8): nodal depth, y, M, V, p, EI
  0.6336000E+02  0.8337805E+00  0.4857043E+07  0.5375215E+05 -0.2678811E+03  0.1186553E+13 Line 10(  9): nodal depth, y, M, V, p, EI
  0.7128000E+02  0.7896089E+00  0.5284297E+07  0.5158495E+05 -0.2793937E+03  0.1185194E+13 Line 10( 10): nodal depth, y, M, V, p, EI
  0.7920000E+02  0.7457171E+00  0.5693963E+07  0.4932899E+05 -0.2902923E+03  0.1183753E+13 Line 10( 11): nodal depth, y, M, V, p, EI
  0.8712000E+02  0.7021270E+00  0.6085351E+07  0.4698935E+05 -0.3005257E+03  0.1182391E+13 Line 10( 12): nodal depth, y, M, V, p, EI
  0.9504000E+02  0.6588597E+00  0.6457817E+07  0.4457152E+05 -0.3100366E+03  0.1181055E+13 Line 10( 13): nodal depth, y, M, V, p, EI
  0.1029600E+03  0.6159353E+00  0.6810757E+07  0.4208149E+05 -0.3187603E+03  0.4111116E+12 Line 10( 14): nodal depth, y, M, V, p, EI
  0.1108800E+03  0.5740502E+00  0.7143470E+07  0.3952526E+05 -0.3267515E+03  0.3999616E+12 Line 10( 15): nodal depth, y, M, V, p, EI
  0.1188000E+03  0.5332854E+00  0.7455434E+07  0.3690877E+05 -0.3339776E+03  0.3907698E+12 Line 10( 16): nodal depth, y, M, V, p, EI
  0.1267200E+03  0.4937173E+00  0.7746180E+07  0.3423822E+05 -0.3404052E+03  0.3830870E+12 Line 10( 17): nodal depth, y, M, V, p, EI
  0.1346400E+03  0.4554175E+00  0.8015287E+07  0.3152005E+05 -0.3460005E+03  0.3766810E+12 Line 10( 18): nodal depth, y, M, V, p, EI
  0.1425600E+03  0.4184525E+00  0.8262392E+07  0.2876100E+05 -0.3507289E+03  0.3712462E+12 Line 10( 19): nodal depth, y, M, V, p, EI
  0.1504800E+03  0.3828836E+00  0.8487182E+07  0.2596808E+05 -0.3545550E+03  0.3666866E+12 Line 10( 20): nodal depth, y, M, V, p, EI
  0.1584000E+03  0.3487665E+00  0.8689405E+07  0.2314857E+05 -0.3574427E+03  0.3628608E+12 Line 10( 21): nodal depth, y, M, V, p, EI
  0.1663200E+03  0.3161514E+00  0.8868870E+07  0.2031005E+05 -0.3593547E+03  0.3596499E+12 Line 10( 22): nodal depth, y, M, V, p, EI
  0.1742400E+03  0.2850832E+00  0.9025445E+07  0.1746040E+05 -0.3602527E+03  0.3569733E+12 Line 10( 23): nodal depth, y, M, V, p, EI
  0.1821600E+03  0.2556009E+00  0.9159067E+07  0.1460782E+05 -0.3600972E+03  0.3547870E+12 Line 10( 24): nodal depth, y, M, V, p, EI
  0.1900800E+03  0.2277380E+00  0.9269736E+07  0.1176080E+05 -0.3588472E+03  0.3530370E+12 Line 10( 25): nodal depth, y, M, V, p, EI
  0.1980000E+03  0.2015221E+00  0.9357525E+07  0.8928180E+04 -0.3564603E+03  0.3516900E+12 Line 10( 26): nodal depth, y, M, V, p, EI
  0.2059200E+03  0.1769751E+00  0.9422580E+07  0.6119143E+04 -0.3528926E+03  0.3507145E+12 Line 10( 27): nodal depth, y, M, V, p, EI
  0.2138400E+03  0.1541134E+00  0.9465120E+07  0.3343218E+04 -0.3480988E+03  0.3500837E+12 Line 10( 28): nodal depth, y, M, V, p, EI
  0.2217600E+03  0.1329476E+00  0.9485443E+07  0.6102983E+03 -0.3420324E+03  0.3497851E+12 Line 10( 29): nodal depth, y, M, V, p, EI
  0.2296800E+03  0.1134828E+00  0.9483929E+07 -0.2069350E+04 -0.3346465E+03  0.3498072E+12 Line 10( 30): nodal depth, y, M, V, p, EI
  0.2376000E+03  0.9571869E-01  0.9461041E+07 -0.4685094E+04 -0.3258950E+03  0.3501439E+12 Line 10( 31): nodal depth, y, M, V, p, EI
  0.2455200E+03  0.7964945E-01  0.9417329E+07 -0.9455643E+04 -0.8787890E+03  0.3507926E+12 Line 10( 32): nodal depth, y, M, V, p, EI
  0.2534400E+03  0.6526414E-01  0.9318116E+07 -0.1634994E+05 -0.8621951E+03  0.3522903E+12 Line 10( 33): nodal depth, y, M, V, p, EI
  0.2613600E+03  0.5253796E-01  0.9164446E+07 -0.2309703E+05 -0.8416158E+03  0.3547006E+12 Line 10( 34): nodal depth, y, M, V, p, EI
  0.2692800E+03  0.4143244E-01  0.8957621E+07 -0.2966434E+05 -0.8167958E+03  0.3581164E+12 Line 10( 35): nodal depth, y, M, V, p, EI
  0.2772000E+03  0.3189591E-01  0.8699208E+07 -0.3601721E+05 -0.7874653E+03  0.3626816E+12 Line 10( 36): nodal depth, y, M, V, p, EI
  0.2851200E+03  0.2386393E-01  0.8391061E+07 -0.4211887E+05 -0.7533565E+03  0.3685941E+12 Line 10( 37): nodal depth, y, M, V, p, EI
  0.2930400E+03  0.1725991E-01  0.8035338E+07 -0.4793060E+05 -0.7142513E+03  0.3762220E+12 Line 10( 38): nodal depth, y, M, V, p, EI
  0.3009600E+03  0.1199560E-01  0.7634511E+07 -0.5341264E+05 -0.6701036E+03  0.3859368E+12 Line 10( 39): nodal depth, y, M, V, p, EI
  0.3088800E+03  0.7972130E-02  0.7191371E+07 -0.5852689E+05 -0.6213733E+03  0.3984810E+12 Line 10( 40): nodal depth, y, M, V, p, EI
  0.3168000E+03  0.5080681E-02  0.6709001E+07 -0.6324432E+05 -0.5698965E+03  0.4165879E+12 Line 10( 41): nodal depth, y, M, V, p, EI
  0.3247200E+03  0.3199418E-02  0.6190655E+07 -0.6756382E+05 -0.5208867E+03  0.1181997E+13 Line 10( 42): nodal depth, y, M, V, p, EI
  0.3326400E+03  0.1646683E-02  0.5639562E+07 -0.7141833E+05 -0.4524747E+03  0.1183932E+13 Line 10( 43): nodal depth, y, M, V, p, EI
  0.3405600E+03  0.3927392E-03  0.5060020E+07 -0.7386674E+05 -0.1658101E+03  0.1185933E+13 Line 10( 44): nodal depth, y, M, V, p, EI
  0.3484800E+03 -0.5935697E-03  0.4470017E+07 -0.7350647E+05  0.2567874E+03  0.1187893E+13 Line 10( 45): nodal depth, y, M, V, p, EI
  0.3564000E+03 -0.1343840E-02  0.3896069E+07 -0.7065726E+05  0.4627098E+03  0.1189529E+13 Line 10( 46): nodal depth, y, M, V, p, EI
  0.3643200E+03 -0.1888663E-02  0.3351098E+07 -0.6678220E+05  0.5158416E+03  0.1190948E+13 Line 10( 47): nodal depth, y, M, V, p, EI
  0.3722400E+03 -0.2256986E-02  0.2838444E+07 -0.6255347E+05  0.5520182E+03  0.1192176E+13 Line 10( 48): nodal depth, y, M, V, p, EI
  0.3801600E+03 -0.2475964E-02  0.2360383E+07 -0.5807851E+05  0.5780225E+03  0.1193008E+13 Line 10( 49): nodal depth, y, M, V, p, EI
  0.3880800E+03 -0.2570837E-02  0.1918551E+07 -0.5342629E+05  0.5967800E+03  0.1193429E+13 Line 10( 50): nodal depth, y, M, V, p, EI
  0.3960000E+03 -0.2564871E-02  0.1514130E+07 -0.4864814E+05  0.6098232E+03  0.1193708E+13 Line 10( 51): nodal depth, y, M, V, p, EI
  0.4039200E+03 -0.2479342E-02  0.1147944E+07 -0.4378577E+05  0.6180496E+03  0.1193732E+13 Line 10( 52): nodal depth, y, M, V, p, EI
  0.4118400E+03 -0.2333492E-02  0.8205117E+06 -0.3887508E+05  0.6220238E+03  0.1193740E+13 Line 10( 53): nodal depth, y, M, V, p, EI
  0.4197600E+03 -0.2144527E-02  0.5320873E+06 -0.3394827E+05  0.6221189E+03  0.1193743E+13 Line 10( 54): nodal depth, y, M, V, p, EI
  0.4276800E+03 -0.1927603E-02  0.2826798E+06 -0.2903506E+05  0.6185905E+03  0.1193743E+13 Line 10( 55): nodal depth, y, M, V, p, EI
  0.4356000E+03 -0.1695826E-02  0.7207091E+05 -0.2416344E+05  0.6116171E+03  0.1193743E+13 Line 10( 56): nodal depth, y, M, V, p, EI
  0.4435200E+03 -0.1460261E-02 -0.1001743E+06 -0.1936019E+05  0.6013239E+03  0.1193743E+13 Line 10( 57): nodal depth, y, M, V, p, EI
  0.4514400E+03 -0.1229961E-02 -0.2346994E+06 -0.1465129E+05  0.5877936E+03  0.1193743E+13 Line 10( 58): nodal depth, y, M, V, p, EI
  0.4593600E+03 -0.1011992E-02 -0.3323515E+06 -0.1006221E+05  0.5710653E+03  0.1193743E+13 Line 10( 59): nodal depth, y, M, V, p, EI
  0.4672800E+03 -0.8114880E-03 -0.3941789E+06 -0.5876834E+04  0.4858472E+03  0.1193743E+13 Line 10( 60): nodal depth, y, M, V, p, EI
  0.4752000E+03 -0.6316960E-03 -0.4255262E+06 -0.2425854E+04  0.3856125E+03  0.1193743E+13 Line 10( 61): nodal depth, y, M, V, p, EI
  0.4831200E+03 -0.4742638E-03 -0.4326803E+06  0.2698137E+03  0.2951115E+03  0.1193743E+13 Line 10( 62): nodal depth, y, M, V, p, EI
  0.4910400E+03 -0.3395671E-03 -0.4213180E+06  0.2291184E+04  0.2153355E+03  0.1193743E+13 Line 10( 63): nodal depth, y, M, V, p, EI
  0.4989600E+03 -0.2270091E-03 -0.3964436E+06  0.3724752E+04  0.1466765E+03  0.1193743E+13 Line 10( 64): nodal depth, y, M, V, p, EI
  0.5068800E+03 -0.1352825E-03 -0.3623639E+06  0.4658195E+04  0.8904151E+02  0.1193743E+13 Line 10( 65): nodal depth, y, M, V, p, EI
  0.5148000E+03 -0.6259673E-04 -0.3226948E+06  0.5176965E+04  0.4196089E+02  0.1193743E+13 Line 10( 66): nodal depth, y, M, V, p, EI
  0.5227200E+03 -0.6867251E-05 -0.2803897E+06  0.5361692E+04  0.4687372E+01  0.1193743E+13 Line 10( 67): nodal depth, y, M, V, p, EI
  0.5306400E+03  0.3412887E-04 -0.2377873E+06  0.5286340E+04 -0.2371567E+02  0.1193743E+13 Line 10( 68): nodal depth, y, M, V, p, EI
  0.5385600E+03  0.6263023E-04 -0.1966697E+06  0.5017007E+04 -0.4429761E+02  0.1193743E+13 Line 10( 69): nodal depth, y, M, V, p, EI
  0.5464800E+03  0.8079738E-04 -0.1583284E+06  0.4611291E+04 -0.5815599E+02  0.1193743E+13 Line 10( 70): nodal depth, y, M, V, p, EI
  0.5544000E+03  0.9064501E-04 -0.1236332E+06  0.4121204E+04 -0.6560342E+02  0.1193743E+13 Line 10( 71): nodal depth, y, M, V, p, EI
  0.5623200E+03  0.9399621E-04 -0.9305154E+05  0.3590560E+04 -0.6839741E+02  0.1193743E+13 Line 10( 72): nodal depth, y, M, V, p, EI
  0.5702400E+03  0.9245793E-04 -0.6675912E+05  0.3051846E+04 -0.6764144E+02  0.1193743E+13 Line 10( 73): nodal depth, y, M, V, p, EI
  0.5781600E+03  0.8741172E-04 -0.4470881E+05  0.2529382E+04 -0.6429400E+02  0.1193743E+13 Line 10( 74): nodal depth, y, M, V, p, EI
  0.5860800E+03  0.8001625E-04 -0.2669090E+05  0.2040463E+04 -0.5917031E+02  0.1193743E+13 Line 10( 75): nodal depth, y, M, V, p, EI
  0.5940000E+03  0.7121828E-04 -0.1238422E+05  0.1596482E+04 -0.5294622E+02  0.1193743E+13 Line 10( 76): nodal depth, y, M, V, p, EI
  0.6019200E+03  0.6176956E-04 -0.1398523E+04  0.1203995E+04 -0.4616670E+02  0.1193743E+13 Line 10( 77): nodal depth, y, M, V, p, EI
  0.6098400E+03  0.5224736E-04  0.6691323E+04  0.8657151E+03 -0.3925749E+02  0.1193743E+13 Line 10( 78): nodal depth, y, M, V, p, EI
  0.6177600E+03  0.4307676E-04  0.1231861E+05  0.5814028E+03 -0.3253855E+02  0.1193743E+13 Line 10( 79): nodal depth, y, M, V, p, EI
  0.6256800E+03  0.3455345E-04  0.1590472E+05  0.3486462E+03 -0.2623837E+02  0.1193743E+13 Line 10( 80): nodal depth, y, M, V, p, EI
  0.6336000E+03  0.2686588E-04  0.1784481E+05  0.1635293E+03 -0.2050832E+02  0.1193743E+13 Line 10( 81): nodal depth, y, M, V, p, EI
  0.6415200E+03  0.2011597E-04  0.1849828E+05  0.2118803E+02 -0.1543644E+02  0.1193743E+13 Line 10( 82): nodal depth, y, M, V, p, EI
  0.6494400E+03  0.1433808E-04  0.1818325E+05 -0.8373912E+02 -0.1106032E+02  0.1193743E+13 Line 10( 83): nodal depth, y, M, V, p, EI
  0.6573600E+03  0.9515645E-05  0.1717423E+05 -0.1567575E+03 -0.7378681E+01  0.1193743E+13 Line 10( 84): nodal depth, y, M, V, p, EI
  0.6652800E+03  0.5595645E-05  0.1570218E+05 -0.2032492E+03 -0.4361625E+01  0.1193743E+13 Line 10( 85): nodal depth, y, M, V, p, EI
  0.6732000E+03  0.2500732E-05  0.1395635E+05 -0.2282803E+03 -0.1959371E+01  0.1193743E+13 Line 10( 86): nodal depth, y, M, V, p, EI
  0.6811200E+03  0.1391683E-06  0.1208744E+05 -0.2364735E+03 -0.1096062E+00  0.1193743E+13 Line 10( 87): nodal depth, y, M, V, p, EI
  0.6890400E+03 -0.1587249E-05  0.1021153E+05 -0.2319316E+03  0.1256547E+01  0.1193743E+13 Line 10( 88): nodal depth, y, M, V, p, EI
  0.6969600E+03 -0.2777091E-05  0.8414305E+04 -0.2182047E+03  0.2209820E+01  0.1193743E+13 Line 10( 89): nodal depth, y, M, V, p, EI
  0.7048800E+03 -0.3524795E-05  0.6755598E+04 -0.1982898E+03  0.2819213E+01  0.1193743E+13 Line 10( 90): nodal depth, y, M, V, p, EI
  0.7128000E+03 -0.3917520E-05  0.5273651E+04 -0.1746541E+03  0.3149389E+01  0.1193743E+13 Line 10( 91): nodal depth, y, M, V, p, EI
  0.7207200E+03 -0.4033136E-05  0.3989192E+04 -0.1492772E+03  0.3258917E+01  0.1193743E+13 Line 10( 92): nodal depth, y, M, V, p, EI
  0.7286400E+03 -0.3939135E-05  0.2909105E+04 -0.1237031E+03  0.3199197E+01  0.1193743E+13 Line 10( 93): nodal depth, y, M, V, p, EI
  0.7365600E+03 -0.3692273E-05  0.2029658E+04 -0.9909898E+02  0.3013962E+01  0.1193743E+13 Line 10( 94): nodal depth, y, M, V, p, EI
  0.7444800E+03 -0.3338761E-05  0.1339242E+04 -0.7631636E+02  0.2739224E+01  0.1193743E+13 Line 10( 95): nodal depth, y, M, V, p, EI
  0.7524000E+03 -0.2914876E-05  0.8206320E+03 -0.5595092E+02  0.2403562E+01  0.1193743E+13 Line 10( 96): nodal depth, y, M, V, p, EI
  0.7603200E+03 -0.2447871E-05  0.4527790E+03 -0.3839929E+02  0.2028668E+01  0.1193743E+13 Line 10( 97): nodal depth, y, M, V, p, EI
  0.7682400E+03 -0.1957074E-05  0.2121717E+03 -0.2391061E+02  0.1630090E+01  0.1193743E+13 Line 10( 98): nodal depth, y, M, V, p, EI
  0.7761600E+03 -0.1455128E-05  0.7381162E+02 -0.1263178E+02  0.1218098E+01  0.1193743E+13 Line 10( 99): nodal depth, y, M, V, p, EI
  0.7840800E+03 -0.9493041E-06  0.1185758E+02 -0.4645446E+01  0.7986525E+00  0.1193743E+13 Line 10(100): nodal depth, y, M, V, p, EI
  0.7920000E+03 -0.4428568E-06  0.0000000E+00  0.0000000E+00  0.3744399E+00  0.0000000E+00 Line 10(101): nodal depth, y, M, V, p, EI
    0                                                                           Line 11: Num. points on Ytop vs. Length curve for load case 1
  0.6740000E+05  0.1194307E+01  0.9485443E+07 -0.7386674E+05 -0.5750430E-02     Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)
