    3    1    0    0                                                            Line 1 : i_Analysis_Type, IUNITS, KYL, ib_ComputeKmatrix_1T0F
    1                                                                           Line 2 : Total number of sections
    2                                                                           Line 3 : Total number of axial thrusts
  126            0.1500000E+03  0.1139601E+05                                   Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips), Section 1
  0.2341956E+03  0.3747130E+09  0.6250000E-06                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=1
  0.4683878E+03  0.3747102E+09  0.1250000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=2
  0.7025691E+03  0.3747035E+09  0.1875000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=3
  0.9366323E+03  0.3746529E+09  0.2500000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=4
  0.1170209E+04  0.3744670E+09  0.3125000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=5
  0.1403087E+04  0.3741565E+09  0.3750000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=6
  0.1635178E+04  0.3737549E+09  0.4375000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=7
  0.1866443E+04  0.3732885E+09  0.5000000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=8
  0.2096863E+04  0.3727757E+09  0.5625000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=9
  0.2326429E+04  0.3722286E+09  0.6250000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=10
  0.2555134E+04  0.3716559E+09  0.6875000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=11
  0.2782975E+04  0.3710634E+09  0.7500000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=12
  0.3009949E+04  0.3704553E+09  0.8125000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=13
  0.3009949E+04  0.3439942E+09  0.8750000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=14
  0.3009949E+04  0.3210613E+09  0.9375000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=15
  0.3009949E+04  0.3009949E+09  0.1000000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=16
  0.3009949E+04  0.2832894E+09  0.1062500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=17
  0.3009949E+04  0.2675511E+09  0.1125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=18
  0.3009949E+04  0.2534694E+09  0.1187500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=19
  0.3009949E+04  0.2407960E+09  0.1250000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=20
  0.3009949E+04  0.2293295E+09  0.1312500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=21
  0.3009949E+04  0.2189054E+09  0.1375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=22
  0.3009949E+04  0.2093878E+09  0.1437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=23
  0.3009949E+04  0.2006633E+09  0.1500000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=24
  0.3009949E+04  0.1926368E+09  0.1562500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=25
  0.3009949E+04  0.1852277E+09  0.1625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=26
  0.3009949E+04  0.1783674E+09  0.1687500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=27
  0.3009949E+04  0.1719971E+09  0.1750000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=28
  0.3009949E+04  0.1660662E+09  0.1812500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=29
  0.3009949E+04  0.1605306E+09  0.1875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=30
  0.3009949E+04  0.1553522E+09  0.1937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=31
  0.3009949E+04  0.1504975E+09  0.2000000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=32
  0.3009949E+04  0.1459369E+09  0.2062500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=33
  0.3009949E+04  0.1416447E+09  0.2125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=34
  0.3009949E+04  0.1375977E+09  0.2187500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=35
  0.3055565E+04  0.1358029E+09  0.2250000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=36
  0.3106201E+04  0.1343222E+09  0.2312500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=37
  0.3156805E+04  0.1329181E+09  0.2375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=38
  0.3207261E+04  0.1315799E+09  0.2437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=39
  0.3307534E+04  0.1290745E+09  0.2562500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=40
  0.3407678E+04  0.1267973E+09  0.2687500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=41
  0.3507121E+04  0.1246976E+09  0.2812500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=42
  0.3606368E+04  0.1227700E+09  0.2937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=43
  0.3705430E+04  0.1209936E+09  0.3062500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=44
  0.3803900E+04  0.1193380E+09  0.3187500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=45
  0.3902248E+04  0.1178037E+09  0.3312500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=46
  0.4000473E+04  0.1163774E+09  0.3437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=47
  0.4098322E+04  0.1150406E+09  0.3562500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=48
  0.4195887E+04  0.1137868E+09  0.3687500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=49
  0.4293332E+04  0.1126120E+09  0.3812500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=50
  0.4390656E+04  0.1115087E+09  0.3937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=51
  0.4487852E+04  0.1104702E+09  0.4062500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=52
  0.4584620E+04  0.1094835E+09  0.4187500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=53
  0.4681269E+04  0.1085512E+09  0.4312500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=54
  0.4777799E+04  0.1076687E+09  0.4437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=55
  0.4874210E+04  0.1068320E+09  0.4562500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=56
  0.4970501E+04  0.1060374E+09  0.4687500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=57
  0.5066671E+04  0.1052815E+09  0.4812500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=58
  0.5162562E+04  0.1045582E+09  0.4937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=59
  0.5258272E+04  0.1038671E+09  0.5062500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=60
  0.5353863E+04  0.1032070E+09  0.5187500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=61
  0.5449334E+04  0.1025757E+09  0.5312500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=62
  0.5544685E+04  0.1019712E+09  0.5437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=63
  0.5639916E+04  0.1013918E+09  0.5562500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=64
  0.5735026E+04  0.1008356E+09  0.5687500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=65
  0.5830013E+04  0.1003013E+09  0.5812500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=66
  0.5924878E+04  0.9978742E+08  0.5937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=67
  0.6019583E+04  0.9929209E+08  0.6062500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=68
  0.6114071E+04  0.9881327E+08  0.6187500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=69
  0.6208438E+04  0.9835149E+08  0.6312500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=70
  0.6302682E+04  0.9790574E+08  0.6437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=71
  0.6396804E+04  0.9747511E+08  0.6562500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=72
  0.6490802E+04  0.9705873E+08  0.6687500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=73
  0.6584677E+04  0.9665581E+08  0.6812500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=74
  0.6678427E+04  0.9626562E+08  0.6937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=75
  0.6772052E+04  0.9588746E+08  0.7062500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=76
  0.6865551E+04  0.9552071E+08  0.7187500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=77
  0.6958923E+04  0.9516476E+08  0.7312500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=78
  0.7052168E+04  0.9481907E+08  0.7437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=79
  0.7423863E+04  0.9352898E+08  0.7937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=80
  0.7793348E+04  0.9236561E+08  0.8437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=81
  0.8160638E+04  0.9130784E+08  0.8937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=82
  0.8524220E+04  0.9032286E+08  0.9437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=83
  0.8836308E+04  0.8891883E+08  0.9937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=84
  0.9111007E+04  0.8729108E+08  0.1043750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=85
  0.9286616E+04  0.8490620E+08  0.1093750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=86
  0.9438721E+04  0.8252434E+08  0.1143750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=87
  0.9589441E+04  0.8033040E+08  0.1193750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=88
  0.9739125E+04  0.7830452E+08  0.1243750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=89
  0.9887752E+04  0.7642707E+08  0.1293750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=90
  0.1003399E+05  0.7467156E+08  0.1343750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=91
  0.1015065E+05  0.7282977E+08  0.1393750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=92
  0.1021786E+05  0.7077305E+08  0.1443750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=93
  0.1027741E+05  0.6880274E+08  0.1493750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=94
  0.1033637E+05  0.6695623E+08  0.1543750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=95
  0.1039432E+05  0.6521923E+08  0.1593750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=96
  0.1045078E+05  0.6357888E+08  0.1643750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=97
  0.1050666E+05  0.6203192E+08  0.1693750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=98
  0.1056194E+05  0.6057026E+08  0.1743750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=99
  0.1061662E+05  0.5918671E+08  0.1793750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=100
  0.1067067E+05  0.5787484E+08  0.1843750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=101
  0.1072374E+05  0.5662699E+08  0.1893750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=102
  0.1077569E+05  0.5543761E+08  0.1943750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=103
  0.1082702E+05  0.5430480E+08  0.1993750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=104
  0.1087773E+05  0.5322435E+08  0.2043750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=105
  0.1092768E+05  0.5219189E+08  0.2093750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=106
  0.1097699E+05  0.5120461E+08  0.2143750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=107
  0.1102549E+05  0.5025863E+08  0.2193750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=108
  0.1107196E+05  0.4934577E+08  0.2243750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=109
  0.1111498E+05  0.4845766E+08  0.2293750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=110
  0.1114745E+05  0.4756244E+08  0.2343750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=111
  0.1117394E+05  0.4667966E+08  0.2393750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=112
  0.1119014E+05  0.4579085E+08  0.2443750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=113
  0.1120383E+05  0.4492763E+08  0.2493750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=114
  0.1121561E+05  0.4409084E+08  0.2543750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=115
  0.1122702E+05  0.4328489E+08  0.2593750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=116
  0.1123817E+05  0.4250844E+08  0.2643750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=117
  0.1124913E+05  0.4176013E+08  0.2693750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=118
  0.1125991E+05  0.4103841E+08  0.2743750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=119
  0.1131571E+05  0.3717688E+08  0.3043750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=120
  0.1136502E+05  0.3398883E+08  0.3343750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=121
  0.1140849E+05  0.3130976E+08  0.3643750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=122
  0.1144741E+05  0.2902672E+08  0.3943750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=123
  0.1148157E+05  0.2705524E+08  0.4243750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=124
  0.1150932E+05  0.2533000E+08  0.4543750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=125
  0.1150932E+05  0.2376117E+08  0.4843750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=126
  123            0.4000000E+03  0.1386934E+05                                   Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips), Section 1
  0.2278197E+03  0.3645115E+09  0.6250000E-06                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=1
  0.4556390E+03  0.3645112E+09  0.1250000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=2
  0.6834472E+03  0.3645052E+09  0.1875000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=3
  0.9112388E+03  0.3644955E+09  0.2500000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=4
  0.1139008E+04  0.3644826E+09  0.3125000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=5
  0.1366750E+04  0.3644667E+09  0.3750000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=6
  0.1594459E+04  0.3644477E+09  0.4375000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=7
  0.1822129E+04  0.3644257E+09  0.5000000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=8
  0.2049723E+04  0.3643952E+09  0.5625000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=9
  0.2277077E+04  0.3643323E+09  0.6250000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=10
  0.2504017E+04  0.3642207E+09  0.6875000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=11
  0.2730417E+04  0.3640556E+09  0.7500000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=12
  0.2956190E+04  0.3638388E+09  0.8125000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=13
  0.3181274E+04  0.3635742E+09  0.8750000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=14
  0.3405624E+04  0.3632666E+09  0.9375000E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=15
  0.3629207E+04  0.3629207E+09  0.1000000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=16
  0.3851999E+04  0.3625411E+09  0.1062500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=17
  0.4073983E+04  0.3621318E+09  0.1125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=18
  0.4073983E+04  0.3430722E+09  0.1187500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=19
  0.4073983E+04  0.3259186E+09  0.1250000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=20
  0.4073983E+04  0.3103987E+09  0.1312500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=21
  0.4073983E+04  0.2962897E+09  0.1375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=22
  0.4073983E+04  0.2834075E+09  0.1437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=23
  0.4073983E+04  0.2715988E+09  0.1500000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=24
  0.4073983E+04  0.2607349E+09  0.1562500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=25
  0.4073983E+04  0.2507066E+09  0.1625000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=26
  0.4134226E+04  0.2449912E+09  0.1687500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=27
  0.4208609E+04  0.2404920E+09  0.1750000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=28
  0.4281375E+04  0.2362138E+09  0.1812500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=29
  0.4352305E+04  0.2321229E+09  0.1875000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=30
  0.4421661E+04  0.2282148E+09  0.1937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=31
  0.4489978E+04  0.2244989E+09  0.2000000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=32
  0.4556882E+04  0.2209398E+09  0.2062500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=33
  0.4622556E+04  0.2175320E+09  0.2125000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=34
  0.4687577E+04  0.2142892E+09  0.2187500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=35
  0.4751020E+04  0.2111564E+09  0.2250000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=36
  0.4814235E+04  0.2081832E+09  0.2312500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=37
  0.4875870E+04  0.2052998E+09  0.2375000E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=38
  0.4937444E+04  0.2025618E+09  0.2437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=39
  0.5057646E+04  0.1973716E+09  0.2562500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=40
  0.5175409E+04  0.1925734E+09  0.2687500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=41
  0.5291146E+04  0.1881296E+09  0.2812500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=42
  0.5405217E+04  0.1840074E+09  0.2937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=43
  0.5517299E+04  0.1801567E+09  0.3062500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=44
  0.5627715E+04  0.1765558E+09  0.3187500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=45
  0.5737258E+04  0.1732002E+09  0.3312500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=46
  0.5844695E+04  0.1700275E+09  0.3437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=47
  0.5951763E+04  0.1670670E+09  0.3562500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=48
  0.6057010E+04  0.1642579E+09  0.3687500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=49
  0.6162057E+04  0.1616277E+09  0.3812500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=50
  0.6265451E+04  0.1591226E+09  0.3937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=51
  0.6368528E+04  0.1567638E+09  0.4062500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=52
  0.6470742E+04  0.1545252E+09  0.4187500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=53
  0.6572026E+04  0.1523948E+09  0.4312500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=54
  0.6673120E+04  0.1503802E+09  0.4437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=55
  0.6773194E+04  0.1484536E+09  0.4562500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=56
  0.6872670E+04  0.1466170E+09  0.4687500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=57
  0.6971960E+04  0.1448719E+09  0.4812500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=58
  0.7070616E+04  0.1432024E+09  0.4937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=59
  0.7168453E+04  0.1415991E+09  0.5062500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=60
  0.7266109E+04  0.1400696E+09  0.5187500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=61
  0.7363583E+04  0.1386086E+09  0.5312500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=62
  0.7460326E+04  0.1372014E+09  0.5437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=63
  0.7556508E+04  0.1358473E+09  0.5562500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=64
  0.7652513E+04  0.1345497E+09  0.5687500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=65
  0.7748339E+04  0.1333048E+09  0.5812500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=66
  0.7843965E+04  0.1321089E+09  0.5937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=67
  0.7938651E+04  0.1309468E+09  0.6062500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=68
  0.8033162E+04  0.1298289E+09  0.6187500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=69
  0.8127497E+04  0.1287524E+09  0.6312500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=70
  0.8221655E+04  0.1277150E+09  0.6437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=71
  0.8315635E+04  0.1267144E+09  0.6562500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=72
  0.8409143E+04  0.1257442E+09  0.6687500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=73
  0.8502133E+04  0.1248019E+09  0.6812500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=74
  0.8594948E+04  0.1238911E+09  0.6937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=75
  0.8687588E+04  0.1230101E+09  0.7062500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=76
  0.8780052E+04  0.1221572E+09  0.7187500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=77
  0.8872339E+04  0.1213311E+09  0.7312500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=78
  0.8964447E+04  0.1205304E+09  0.7437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=79
  0.9329381E+04  0.1175355E+09  0.7937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=80
  0.9691222E+04  0.1148589E+09  0.8437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=81
  0.1004933E+05  0.1124401E+09  0.8937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=82
  0.1040396E+05  0.1102406E+09  0.9437500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=83
  0.1075563E+05  0.1082328E+09  0.9937500E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=84
  0.1109982E+05  0.1063456E+09  0.1043750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=85
  0.1138867E+05  0.1041250E+09  0.1093750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=86
  0.1165240E+05  0.1018789E+09  0.1143750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=87
  0.1183103E+05  0.9910810E+08  0.1193750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=88
  0.1197732E+05  0.9630008E+08  0.1243750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=89
  0.1212180E+05  0.9369511E+08  0.1293750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=90
  0.1226464E+05  0.9127177E+08  0.1343750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=91
  0.1240500E+05  0.8900446E+08  0.1393750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=92
  0.1254288E+05  0.8687712E+08  0.1443750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=93
  0.1267833E+05  0.8487587E+08  0.1493750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=94
  0.1279106E+05  0.8285705E+08  0.1543750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=95
  0.1286538E+05  0.8072394E+08  0.1593750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=96
  0.1292070E+05  0.7860499E+08  0.1643750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=97
  0.1297481E+05  0.7660402E+08  0.1693750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=98
  0.1302777E+05  0.7471120E+08  0.1743750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=99
  0.1307951E+05  0.7291715E+08  0.1793750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=100
  0.1312852E+05  0.7120552E+08  0.1843750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=101
  0.1317641E+05  0.6957841E+08  0.1893750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=102
  0.1322312E+05  0.6802894E+08  0.1943750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=103
  0.1326905E+05  0.6655321E+08  0.1993750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=104
  0.1331383E+05  0.6514410E+08  0.2043750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=105
  0.1335788E+05  0.6379885E+08  0.2093750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=106
  0.1339986E+05  0.6250666E+08  0.2143750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=107
  0.1344126E+05  0.6127068E+08  0.2193750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=108
  0.1348183E+05  0.6008616E+08  0.2243750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=109
  0.1352174E+05  0.5895037E+08  0.2293750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=110
  0.1356113E+05  0.5786083E+08  0.2343750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=111
  0.1359966E+05  0.5681318E+08  0.2393750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=112
  0.1363775E+05  0.5580663E+08  0.2443750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=113
  0.1367531E+05  0.5483834E+08  0.2493750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=114
  0.1371216E+05  0.5390531E+08  0.2543750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=115
  0.1374809E+05  0.5300468E+08  0.2593750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=116
  0.1378085E+05  0.5212613E+08  0.2643750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=117
  0.1381251E+05  0.5127613E+08  0.2693750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=118
  0.1383601E+05  0.5042737E+08  0.2743750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=119
  0.1390644E+05  0.4568850E+08  0.3043750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=120
  0.1393414E+05  0.4167220E+08  0.3343750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=121
  0.1395123E+05  0.3828810E+08  0.3643750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=122
  0.1395123E+05  0.3537554E+08  0.3943750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=123
   34    1                                                                      Line 15: Num. interaction diagram points, Section 1
  0.4139979E+04  0.0000000E+00  0.6500000E+00  0.2152789E+04  0.0000000E+00     Line 16: Pn, Mn, phi, phiPn, phiMn (kips, in-kips)
  0.4139979E+04  0.5267863E+04  0.6500000E+00  0.2152789E+04  0.3424111E+04     Line 16: Pn, Mn, phi, phiPn, phiMn (kips, in-kips)
  0.4091517E+04  0.5793312E+04  0.6500000E+00  0.2152789E+04  0.3765653E+04     Line 16: Pn, Mn, phi, phiPn, phiMn (kips, in-kips)
  0.4040416E+04  0.6340189E+04  0.6500000E+00  0.2152789E+04  0.4121123E+04     Line 16: Pn, Mn, phi, phiPn, phiMn (kips, in-kips)
  0.3986664E+04  0.6908423E+04  0.6500000E+00  0.2152789E+04  0.4490475E+04     Line 16: Pn, Mn, phi, phiPn, phiMn (kips, in-kips)
  0.3930250E+04  0.7497950E+04  0.6500000E+00  0.2152789E+04  0.4873668E+04     Line 16: Pn, Mn, phi, phiPn, phiMn (kips, in-kips)
  0.3871161E+04  0.8108693E+04  0.6500000E+00  0.2152789E+04  0.5270650E+04     Line 16: Pn, Mn, phi, phiPn, phiMn (kips, in-kips)
  0.3809380E+04  0.8740552E+04  0.6500000E+00  0.2152789E+04  0.5681359E+04     Line 16: Pn, Mn, phi, phiPn, phiMn (kips, in-kips)
  0.3744795E+04  0.9392742E+04  0.6500000E+00  0.2152789E+04  0.6105282E+04     Line 16: Pn, Mn, phi, phiPn, phiMn (kips, in-kips)
  0.3678254E+04  0.1004875E+05  0.6500000E+00  0.2152789E+04  0.6531686E+04     Line 16: Pn, Mn, phi, phiPn, phiMn (kips, in-kips)
  0.3610892E+04  0.1068786E+05  0.6500000E+00  0.2152789E+04  0.6947110E+04     Line 16: Pn, Mn, phi, phiPn, phiMn (kips, in-kips)
  0.3543276E+04  0.1129980E+05  0.6500000E+00  0.2152789E+04  0.7344872E+04     Line 16: Pn, Mn, phi, phiPn, phiMn (kips, in-kips)
  0.3475987E+04  0.1188258E+05  0.6500000E+00  0.2152789E+04  0.7723675E+04     Line 16: Pn, Mn, phi, phiPn, phiMn (kips, in-kips)
  0.3409145E+04  0.1243517E+05  0.6500000E+00  0.2152789E+04  0.8082860E+04     Line 16: Pn, Mn, phi, phiPn, phiMn (kips, in-kips)
  0.2843528E+04  0.1616828E+05  0.6500000E+00  0.1848293E+04  0.1050938E+05     Line 16: Pn, Mn, phi, phiPn, phiMn (kips, in-kips)
  0.2371418E+04  0.1809038E+05  0.6500000E+00  0.1541422E+04  0.1175875E+05     Line 16: Pn, Mn, phi, phiPn, phiMn (kips, in-kips)
  0.1977641E+04  0.1900525E+05  0.6500000E+00  0.1285467E+04  0.1235341E+05     Line 16: Pn, Mn, phi, phiPn, phiMn (kips, in-kips)
  0.1646556E+04  0.1938032E+05  0.6500000E+00  0.1070261E+04  0.1259721E+05     Line 16: Pn, Mn, phi, phiPn, phiMn (kips, in-kips)
  0.1184209E+04  0.1857323E+05  0.7333333E+00  0.8684201E+03  0.1362037E+05     Line 16: Pn, Mn, phi, phiPn, phiMn (kips, in-kips)
  0.8654544E+03  0.1713210E+05  0.8166667E+00  0.7067878E+03  0.1399122E+05     Line 16: Pn, Mn, phi, phiPn, phiMn (kips, in-kips)
  0.6473297E+03  0.1572837E+05  0.8942529E+00  0.5788764E+03  0.1406514E+05     Line 16: Pn, Mn, phi, phiPn, phiMn (kips, in-kips)
  0.6323253E+03  0.1562534E+05  0.9000000E+00  0.5690928E+03  0.1406280E+05     Line 16: Pn, Mn, phi, phiPn, phiMn (kips, in-kips)
  0.2579698E+03  0.1250455E+05  0.9000000E+00  0.2321728E+03  0.1125409E+05     Line 16: Pn, Mn, phi, phiPn, phiMn (kips, in-kips)
  0.2273939E+02  0.1003900E+05  0.9000000E+00  0.2046545E+02  0.9035104E+04     Line 16: Pn, Mn, phi, phiPn, phiMn (kips, in-kips)
 -0.1041876E-08  0.9792164E+04  0.9000000E+00 -0.9376883E-09  0.8812948E+04     Line 16: Pn, Mn, phi, phiPn, phiMn (kips, in-kips)
 -0.2441765E+03  0.6885529E+04  0.9000000E+00 -0.2197589E+03  0.6196976E+04     Line 16: Pn, Mn, phi, phiPn, phiMn (kips, in-kips)
 -0.3897676E+03  0.4918607E+04  0.9000000E+00 -0.3507908E+03  0.4426746E+04     Line 16: Pn, Mn, phi, phiPn, phiMn (kips, in-kips)
 -0.5657603E+03  0.2463283E+04  0.9000000E+00 -0.5091842E+03  0.2216954E+04     Line 16: Pn, Mn, phi, phiPn, phiMn (kips, in-kips)
 -0.6638023E+03  0.9591449E+03  0.9000000E+00 -0.5974221E+03  0.8632304E+03     Line 16: Pn, Mn, phi, phiPn, phiMn (kips, in-kips)
 -0.6881160E+03  0.5541136E+03  0.9000000E+00 -0.6193044E+03  0.4987022E+03     Line 16: Pn, Mn, phi, phiPn, phiMn (kips, in-kips)
 -0.7013531E+03  0.3277360E+03  0.9000000E+00 -0.6312178E+03  0.2949624E+03     Line 16: Pn, Mn, phi, phiPn, phiMn (kips, in-kips)
 -0.7076959E+03  0.2173972E+03  0.9000000E+00 -0.6369263E+03  0.1956575E+03     Line 16: Pn, Mn, phi, phiPn, phiMn (kips, in-kips)
 -0.7133554E+03  0.1185454E+03  0.9000000E+00 -0.6420199E+03  0.1066909E+03     Line 16: Pn, Mn, phi, phiPn, phiMn (kips, in-kips)
 -0.7200000E+03  0.1391002E+00  0.9000000E+00 -0.6480000E+03  0.1251902E+00     Line 16: Pn, Mn, phi, phiPn, phiMn (kips, in-kips)
    0                                                                           Line 6 : number of output p-y curves
    2  101    1                                                                 Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI
  0.0000000E+00  0.7848141E-01  0.1444497E-06  0.4000000E+05 -0.3342018E+03  0.3747130E+12 Line 10(  1): nodal depth, y, M, V, p, EI
  0.6000000E+01  0.7387253E-01  0.2346757E+06  0.3796017E+05 -0.3457431E+03  0.3747130E+12 Line 10(  2): nodal depth, y, M, V, p, EI
  0.1200000E+02  0.6928620E-01  0.4569013E+06  0.3585279E+05 -0.3567153E+03  0.3747103E+12 Line 10(  3): nodal depth, y, M, V, p, EI
  0.1800000E+02  0.6474377E-01  0.6662785E+06  0.3368141E+05 -0.3670797E+03  0.3747043E+12 Line 10(  4): nodal depth, y, M, V, p, EI
  0.2400000E+02  0.6026535E-01  0.8624313E+06  0.3144978E+05 -0.3767965E+03  0.3746660E+12 Line 10(  5): nodal depth, y, M, V, p, EI
  0.3000000E+02  0.5586980E-01  0.1045007E+07  0.2916191E+05 -0.3858251E+03  0.3745563E+12 Line 10(  6): nodal depth, y, M, V, p, EI
  0.3600000E+02  0.5157469E-01  0.1213678E+07  0.2682207E+05 -0.3941236E+03  0.3743999E+12 Line 10(  7): nodal depth, y, M, V, p, EI
  0.4200000E+02  0.4739628E-01  0.1368143E+07  0.2443475E+05 -0.4016487E+03  0.3741963E+12 Line 10(  8): nodal depth, y, M, V, p, EI
  0.4800000E+02  0.4334949E-01  0.1508129E+07  0.2200474E+05 -0.4083556E+03  0.3739593E+12 Line 10(  9): nodal depth, y, M, V, p, EI
  0.5400000E+02  0.3944788E-01  0.1633392E+07  0.1953708E+05 -0.4141977E+03  0.3737576E+12 Line 10( 10): nodal depth, y, M, V, p, EI
  0.6000000E+02  0.3570360E-01  0.1743720E+07  0.1703710E+05 -0.4191265E+03  0.3735205E+12 Line 10( 11): nodal depth, y, M, V, p, EI
  0.6600000E+02  0.3212738E-01  0.1838935E+07  0.1451045E+05 -0.4230907E+03  0.3733378E+12 Line 10( 12): nodal depth, y, M, V, p, EI
  0.7200000E+02  0.2872849E-01  0.1918892E+07  0.1196307E+05 -0.4260365E+03  0.3731609E+12 Line 10( 13): nodal depth, y, M, V, p, EI
  0.7800000E+02  0.2551472E-01  0.1983484E+07  0.9401243E+04 -0.4279061E+03  0.3730130E+12 Line 10( 14): nodal depth, y, M, V, p, EI
  0.8400000E+02  0.2249237E-01  0.2032642E+07  0.6831611E+04 -0.4286377E+03  0.3729068E+12 Line 10( 15): nodal depth, y, M, V, p, EI
  0.9000000E+02  0.1966626E-01  0.2066340E+07  0.4261207E+04 -0.4281637E+03  0.3728370E+12 Line 10( 16): nodal depth, y, M, V, p, EI
  0.9600000E+02  0.1703966E-01  0.2084595E+07  0.1697487E+04 -0.4264094E+03  0.3728002E+12 Line 10( 17): nodal depth, y, M, V, p, EI
  0.1020000E+03  0.1461437E-01  0.2087468E+07 -0.8516134E+03 -0.4232908E+03  0.3727944E+12 Line 10( 18): nodal depth, y, M, V, p, EI
  0.1080000E+03  0.1239066E-01  0.2075073E+07 -0.3377619E+04 -0.4187111E+03  0.3728193E+12 Line 10( 19): nodal depth, y, M, V, p, EI
  0.1140000E+03  0.1036732E-01  0.2047574E+07 -0.5871421E+04 -0.4125563E+03  0.3728757E+12 Line 10( 20): nodal depth, y, M, V, p, EI
  0.1200000E+03  0.8541665E-02  0.2005193E+07 -0.8323152E+04 -0.4046873E+03  0.3729656E+12 Line 10( 21): nodal depth, y, M, V, p, EI
  0.1260000E+03  0.6909562E-02  0.1948215E+07 -0.1072200E+05 -0.3949276E+03  0.3730926E+12 Line 10( 22): nodal depth, y, M, V, p, EI
  0.1320000E+03  0.5465443E-02  0.1876991E+07 -0.1305591E+05 -0.3830431E+03  0.3732625E+12 Line 10( 23): nodal depth, y, M, V, p, EI
  0.1380000E+03  0.4202354E-02  0.1791950E+07 -0.1531115E+05 -0.3687039E+03  0.3734257E+12 Line 10( 24): nodal depth, y, M, V, p, EI
  0.1440000E+03  0.3112018E-02  0.1693610E+07 -0.1747150E+05 -0.3514124E+03  0.3736251E+12 Line 10( 25): nodal depth, y, M, V, p, EI
  0.1500000E+03  0.2184866E-02  0.1582594E+07 -0.1951677E+05 -0.3303449E+03  0.3738357E+12 Line 10( 26): nodal depth, y, M, V, p, EI
  0.1560000E+03  0.1410117E-02  0.1459664E+07 -0.2141966E+05 -0.3039510E+03  0.3740470E+12 Line 10( 27): nodal depth, y, M, V, p, EI
  0.1620000E+03  0.7758523E-03  0.1325770E+07 -0.2313746E+05 -0.2686503E+03  0.3742476E+12 Line 10( 28): nodal depth, y, M, V, p, EI
  0.1680000E+03  0.2691175E-03  0.1182185E+07 -0.2424638E+05 -0.1009885E+03  0.3744482E+12 Line 10( 29): nodal depth, y, M, V, p, EI
  0.1740000E+03 -0.1239604E-03  0.1034948E+07 -0.2440629E+05  0.4768471E+02  0.3745645E+12 Line 10( 30): nodal depth, y, M, V, p, EI
  0.1800000E+03 -0.4175676E-03  0.8894129E+06 -0.2376945E+05  0.1645956E+03  0.3746610E+12 Line 10( 31): nodal depth, y, M, V, p, EI
  0.1860000E+03 -0.6257140E-03  0.7497902E+06 -0.2251775E+05  0.2526373E+03  0.3746908E+12 Line 10( 32): nodal depth, y, M, V, p, EI
  0.1920000E+03 -0.7618211E-03  0.6192516E+06 -0.2085439E+05  0.3018154E+03  0.3747053E+12 Line 10( 33): nodal depth, y, M, V, p, EI
  0.1980000E+03 -0.8384333E-03  0.4995694E+06 -0.1899960E+05  0.3164474E+03  0.3747090E+12 Line 10( 34): nodal depth, y, M, V, p, EI
  0.2040000E+03 -0.8670496E-03  0.3912721E+06 -0.1707063E+05  0.3265426E+03  0.3747108E+12 Line 10( 35): nodal depth, y, M, V, p, EI
  0.2100000E+03 -0.8580748E-03  0.2947247E+06 -0.1509152E+05  0.3331611E+03  0.3747119E+12 Line 10( 36): nodal depth, y, M, V, p, EI
  0.2160000E+03 -0.8207847E-03  0.2101669E+06 -0.1308127E+05  0.3369240E+03  0.3747130E+12 Line 10( 37): nodal depth, y, M, V, p, EI
  0.2220000E+03 -0.7633030E-03  0.1377353E+06 -0.1105580E+05  0.3382315E+03  0.3747130E+12 Line 10( 38): nodal depth, y, M, V, p, EI
  0.2280000E+03 -0.6925887E-03  0.7747805E+05 -0.9058085E+04  0.3276742E+03  0.3747130E+12 Line 10( 39): nodal depth, y, M, V, p, EI
  0.2340000E+03 -0.6144308E-03  0.2901595E+05 -0.7184102E+04  0.2969867E+03  0.3747130E+12 Line 10( 40): nodal depth, y, M, V, p, EI
  0.2400000E+03 -0.5334852E-03 -0.8755041E+04 -0.5503041E+04  0.2633672E+03  0.3747130E+12 Line 10( 41): nodal depth, y, M, V, p, EI
  0.2460000E+03 -0.4533807E-03 -0.3704469E+05 -0.4027324E+04  0.2285385E+03  0.3747130E+12 Line 10( 42): nodal depth, y, M, V, p, EI
  0.2520000E+03 -0.3768353E-03 -0.5710642E+05 -0.2759991E+04  0.1939056E+03  0.3747130E+12 Line 10( 43): nodal depth, y, M, V, p, EI
  0.2580000E+03 -0.3057763E-03 -0.7018673E+05 -0.1696554E+04  0.1605734E+03  0.3747130E+12 Line 10( 44): nodal depth, y, M, V, p, EI
  0.2640000E+03 -0.2414603E-03 -0.7748538E+05 -0.8267197E+03  0.1293715E+03  0.3747130E+12 Line 10( 45): nodal depth, y, M, V, p, EI
  0.2700000E+03 -0.1845887E-03 -0.8012554E+05 -0.1359578E+03  0.1008825E+03  0.3747130E+12 Line 10( 46): nodal depth, y, M, V, p, EI
  0.2760000E+03 -0.1354150E-03 -0.7913278E+05  0.3931096E+03  0.7547330E+02  0.3747130E+12 Line 10( 47): nodal depth, y, M, V, p, EI
  0.2820000E+03 -0.9384382E-04 -0.7542184E+05  0.7795112E+03  0.5332723E+02  0.3747130E+12 Line 10( 48): nodal depth, y, M, V, p, EI
  0.2880000E+03 -0.5951871E-04 -0.6979003E+05  0.1042921E+04  0.3447601E+02  0.3747130E+12 Line 10( 49): nodal depth, y, M, V, p, EI
  0.2940000E+03 -0.3189859E-04 -0.6291608E+05  0.1202840E+04  0.1883046E+02  0.3747130E+12 Line 10( 50): nodal depth, y, M, V, p, EI
  0.3000000E+03 -0.1032303E-04 -0.5536333E+05  0.1277959E+04  0.6209139E+01  0.3747130E+12 Line 10( 51): nodal depth, y, M, V, p, EI
  0.3060000E+03  0.5933576E-05 -0.4758624E+05  0.1285680E+04 -0.3635685E+01  0.3747130E+12 Line 10( 52): nodal depth, y, M, V, p, EI
  0.3120000E+03  0.1761841E-04 -0.3993936E+05  0.1241788E+04 -0.1099499E+02  0.3747130E+12 Line 10( 53): nodal depth, y, M, V, p, EI
  0.3180000E+03  0.2546612E-04 -0.3268772E+05  0.1160253E+04 -0.1618323E+02  0.3747130E+12 Line 10( 54): nodal depth, y, M, V, p, EI
  0.3240000E+03  0.3017341E-04 -0.2601821E+05  0.1053162E+04 -0.1951388E+02  0.3747130E+12 Line 10( 55): nodal depth, y, M, V, p, EI
  0.3300000E+03  0.3238103E-04 -0.2005082E+05  0.9313907E+03 -0.2107637E+02  0.3747130E+12 Line 10( 56): nodal depth, y, M, V, p, EI
  0.3360000E+03  0.3266231E-04 -0.1484190E+05  0.8039748E+03 -0.2139560E+02  0.3747130E+12 Line 10( 57): nodal depth, y, M, V, p, EI
  0.3420000E+03  0.3151767E-04 -0.1040300E+05  0.6774558E+03 -0.2077739E+02  0.3747130E+12 Line 10( 58): nodal depth, y, M, V, p, EI
  0.3480000E+03  0.2937358E-04 -0.6711932E+04  0.5566633E+03 -0.1948678E+02  0.3747130E+12 Line 10( 59): nodal depth, y, M, V, p, EI
  0.3540000E+03  0.2658465E-04 -0.3722296E+04  0.4449592E+03 -0.1774792E+02  0.3747130E+12 Line 10( 60): nodal depth, y, M, V, p, EI
  0.3600000E+03  0.2343810E-04 -0.1371532E+04  0.3444786E+03 -0.1574562E+02  0.3747130E+12 Line 10( 61): nodal depth, y, M, V, p, EI
  0.3660000E+03  0.2015979E-04  0.4124102E+03  0.2563578E+03 -0.1362798E+02  0.3747130E+12 Line 10( 62): nodal depth, y, M, V, p, EI
  0.3720000E+03  0.1692110E-04  0.1705739E+04  0.1809443E+03 -0.1150985E+02  0.3747130E+12 Line 10( 63): nodal depth, y, M, V, p, EI
  0.3780000E+03  0.1384629E-04  0.2584689E+04  0.1179846E+03 -0.9476712E+01  0.3747130E+12 Line 10( 64): nodal depth, y, M, V, p, EI
  0.3840000E+03  0.1101979E-04  0.3122440E+04  0.6678832E+02 -0.7588729E+01  0.3747130E+12 Line 10( 65): nodal depth, y, M, V, p, EI
  0.3900000E+03  0.8493281E-05  0.3386952E+04  0.2636778E+02 -0.5884784E+01  0.3747130E+12 Line 10( 66): nodal depth, y, M, V, p, EI
  0.3960000E+03  0.6292167E-05  0.3439563E+04 -0.4445608E+01 -0.4386345E+01  0.3747130E+12 Line 10( 67): nodal depth, y, M, V, p, EI
  0.4020000E+03  0.4421504E-05  0.3334215E+04 -0.2690778E+02 -0.3101047E+01  0.3747130E+12 Line 10( 68): nodal depth, y, M, V, p, EI
  0.4080000E+03  0.2871171E-05  0.3117182E+04 -0.4228867E+02 -0.2025917E+01  0.3747130E+12 Line 10( 69): nodal depth, y, M, V, p, EI
  0.4140000E+03  0.1620316E-05  0.2827171E+04 -0.5181704E+02 -0.1150205E+01  0.3747130E+12 Line 10( 70): nodal depth, y, M, V, p, EI
  0.4200000E+03  0.6410782E-06  0.2495712E+04 -0.5664109E+02 -0.4578128E+00  0.3747130E+12 Line 10( 71): nodal depth, y, M, V, p, EI
  0.4260000E+03 -0.9838819E-07  0.2147736E+04 -0.5780248E+02  0.7068225E-01  0.3747130E+12 Line 10( 72): nodal depth, y, M, V, p, EI
  0.4320000E+03 -0.6315140E-06  0.1802273E+04 -0.5622129E+02  0.4563833E+00  0.3747130E+12 Line 10( 73): nodal depth, y, M, V, p, EI
  0.4380000E+03 -0.9914890E-06  0.1473215E+04 -0.5268979E+02  0.7207808E+00  0.3747130E+12 Line 10( 74): nodal depth, y, M, V, p, EI
  0.4440000E+03 -0.1209927E-05  0.1170083E+04 -0.4787313E+02  0.8847738E+00  0.3747130E+12 Line 10( 75): nodal depth, y, M, V, p, EI
  0.4500000E+03 -0.1315951E-05  0.8987858E+03 -0.4231491E+02  0.9679658E+00  0.3747130E+12 Line 10( 76): nodal depth, y, M, V, p, EI
  0.4560000E+03 -0.1335626E-05  0.6623226E+03 -0.3644644E+02  0.9881927E+00  0.3747130E+12 Line 10( 77): nodal depth, y, M, V, p, EI
  0.4620000E+03 -0.1291669E-05  0.4614249E+03 -0.3059812E+02  0.9612453E+00  0.3747130E+12 Line 10( 78): nodal depth, y, M, V, p, EI
  0.4680000E+03 -0.1203381E-05  0.2951253E+03 -0.2501215E+02  0.9007457E+00  0.3747130E+12 Line 10( 79): nodal depth, y, M, V, p, EI
  0.4740000E+03 -0.1086740E-05  0.1612484E+03 -0.1985548E+02  0.8181451E+00  0.3747130E+12 Line 10( 80): nodal depth, y, M, V, p, EI
  0.4800000E+03 -0.9546064E-06  0.5682229E+02 -0.1523261E+02  0.7228113E+00  0.3747130E+12 Line 10( 81): nodal depth, y, M, V, p, EI
  0.4860000E+03 -0.8170141E-06 -0.2158339E+02 -0.1119763E+02  0.6221800E+00  0.3747130E+12 Line 10( 82): nodal depth, y, M, V, p, EI
  0.4920000E+03 -0.6814954E-06 -0.7759028E+02 -0.7765256E+01  0.5219459E+00  0.3747130E+12 Line 10( 83): nodal depth, y, M, V, p, EI
  0.4980000E+03 -0.5534310E-06 -0.1148060E+03 -0.4920586E+01  0.4262775E+00  0.3747130E+12 Line 10( 84): nodal depth, y, M, V, p, EI
  0.5040000E+03 -0.4363965E-06 -0.1366741E+03 -0.2627636E+01  0.3380391E+00  0.3747130E+12 Line 10( 85): nodal depth, y, M, V, p, EI
  0.5100000E+03 -0.3324927E-06 -0.1463708E+03 -0.8364908E+00  0.2590092E+00  0.3747130E+12 Line 10( 86): nodal depth, y, M, V, p, EI
  0.5160000E+03 -0.2426513E-06 -0.1467410E+03  0.5107993E+00  0.1900875E+00  0.3747130E+12 Line 10( 87): nodal depth, y, M, V, p, EI
  0.5220000E+03 -0.1669079E-06 -0.1402660E+03  0.1475517E+01  0.1314851E+00  0.3747130E+12 Line 10( 88): nodal depth, y, M, V, p, EI
  0.5280000E+03 -0.1046402E-06 -0.1290555E+03  0.2118651E+01  0.8289299E-01  0.3747130E+12 Line 10( 89): nodal depth, y, M, V, p, EI
  0.5340000E+03 -0.5477141E-07 -0.1148590E+03  0.2498220E+01  0.4362983E-01  0.3747130E+12 Line 10( 90): nodal depth, y, M, V, p, EI
  0.5400000E+03 -0.1593750E-07 -0.9909019E+02  0.2667407E+01  0.1276590E-01  0.3747130E+12 Line 10( 91): nodal depth, y, M, V, p, EI
  0.5460000E+03  0.1337645E-07 -0.8286036E+02  0.2673384E+01 -0.1077370E-01  0.3747130E+12 Line 10( 92): nodal depth, y, M, V, p, EI
  0.5520000E+03  0.3472973E-07 -0.6701719E+02  0.2556684E+01 -0.2812607E-01  0.3747130E+12 Line 10( 93): nodal depth, y, M, V, p, EI
  0.5580000E+03  0.4964442E-07 -0.5218559E+02  0.2351030E+01 -0.4042532E-01  0.3747130E+12 Line 10( 94): nodal depth, y, M, V, p, EI
  0.5640000E+03  0.5954546E-07 -0.3880855E+02  0.2083496E+01 -0.4875267E-01  0.3747130E+12 Line 10( 95): nodal depth, y, M, V, p, EI
  0.5700000E+03  0.6571803E-07 -0.2718605E+02  0.1774940E+01 -0.5409940E-01  0.3747130E+12 Line 10( 96): nodal depth, y, M, V, p, EI
  0.5760000E+03  0.6927873E-07 -0.1751073E+02  0.1440622E+01 -0.5734001E-01  0.3747130E+12 Line 10( 97): nodal depth, y, M, V, p, EI
  0.5820000E+03  0.7115712E-07 -0.9899405E+01  0.1090962E+01 -0.5921310E-01  0.3747130E+12 Line 10( 98): nodal depth, y, M, V, p, EI
  0.5880000E+03  0.7208444E-07 -0.4419606E+01  0.7323991E+00 -0.6030793E-01  0.3747130E+12 Line 10( 99): nodal depth, y, M, V, p, EI
  0.5940000E+03  0.7258715E-07 -0.1110829E+01  0.3683117E+00 -0.6105454E-01  0.3747130E+12 Line 10(100): nodal depth, y, M, V, p, EI
  0.6000000E+03  0.7298314E-07  0.0000000E+00  0.0000000E+00 -0.6171604E-01  0.0000000E+00 Line 10(101): nodal depth, y, M, V, p, EI
    0                                                                           Line 11: Num. points on Ytop vs. Length curve for load case 1
  0.0000000E+00  0.1876979E+00 -0.3934477E-05  0.6000000E+05 -0.4155921E+03  0.3645115E+12 Line 10(  1): nodal depth, y, M, V, p, EI
  0.6000000E+01  0.1781139E+00  0.3563530E+06  0.5746077E+05 -0.4308163E+03  0.3645113E+12 Line 10(  2): nodal depth, y, M, V, p, EI
  0.1200000E+02  0.1685650E+00  0.6971825E+06  0.5483186E+05 -0.4454883E+03  0.3645044E+12 Line 10(  3): nodal depth, y, M, V, p, EI
  0.1800000E+02  0.1590849E+00  0.1021947E+07  0.5211668E+05 -0.4595704E+03  0.3644885E+12 Line 10(  4): nodal depth, y, M, V, p, EI
  0.2400000E+02  0.1497058E+00  0.1330126E+07  0.4931890E+05 -0.4730238E+03  0.3644689E+12 Line 10(  5): nodal depth, y, M, V, p, EI
  0.3000000E+02  0.1404581E+00  0.1621224E+07  0.4644240E+05 -0.4858092E+03  0.3644448E+12 Line 10(  6): nodal depth, y, M, V, p, EI
  0.3600000E+02  0.1313706E+00  0.1894769E+07  0.4349132E+05 -0.4978859E+03  0.3644152E+12 Line 10(  7): nodal depth, y, M, V, p, EI
  0.4200000E+02  0.1224702E+00  0.2150315E+07  0.4047002E+05 -0.5092126E+03  0.3643657E+12 Line 10(  8): nodal depth, y, M, V, p, EI
  0.4800000E+02  0.1137822E+00  0.2387445E+07  0.3738315E+05 -0.5197464E+03  0.3642754E+12 Line 10(  9): nodal depth, y, M, V, p, EI
  0.5400000E+02  0.1053303E+00  0.2605769E+07  0.3423558E+05 -0.5294433E+03  0.3641429E+12 Line 10( 10): nodal depth, y, M, V, p, EI
  0.6000000E+02  0.9713588E-01  0.2804930E+07  0.3103247E+05 -0.5382577E+03  0.3639802E+12 Line 10( 11): nodal depth, y, M, V, p, EI
  0.6600000E+02  0.8921892E-01  0.2984603E+07  0.2777927E+05 -0.5461424E+03  0.3638032E+12 Line 10( 12): nodal depth, y, M, V, p, EI
  0.7200000E+02  0.8159731E-01  0.3144497E+07  0.2448170E+05 -0.5530483E+03  0.3636148E+12 Line 10( 13): nodal depth, y, M, V, p, EI
  0.7800000E+02  0.7428703E-01  0.3284357E+07  0.2114578E+05 -0.5589242E+03  0.3634276E+12 Line 10( 14): nodal depth, y, M, V, p, EI
  0.8400000E+02  0.6730208E-01  0.3403965E+07  0.1777786E+05 -0.5637164E+03  0.3632687E+12 Line 10( 15): nodal depth, y, M, V, p, EI
  0.9000000E+02  0.6065446E-01  0.3503144E+07  0.1438461E+05 -0.5673681E+03  0.3631102E+12 Line 10( 16): nodal depth, y, M, V, p, EI
  0.9600000E+02  0.5435416E-01  0.3581759E+07  0.1097305E+05 -0.5698191E+03  0.3629904E+12 Line 10( 17): nodal depth, y, M, V, p, EI
  0.1020000E+03  0.4840909E-01  0.3639719E+07  0.7550574E+04 -0.5710048E+03  0.3629018E+12 Line 10( 18): nodal depth, y, M, V, p, EI
  0.1080000E+03  0.4282507E-01  0.3676978E+07  0.4124994E+04 -0.5708554E+03  0.3628354E+12 Line 10( 19): nodal depth, y, M, V, p, EI
  0.1140000E+03  0.3760588E-01  0.3693540E+07  0.7045443E+03 -0.5692944E+03  0.3628063E+12 Line 10( 20): nodal depth, y, M, V, p, EI
  0.1200000E+03  0.3275319E-01  0.3689461E+07 -0.2702050E+04 -0.5662371E+03  0.3628135E+12 Line 10( 21): nodal depth, y, M, V, p, EI
  0.1260000E+03  0.2826658E-01  0.3664851E+07 -0.6085524E+04 -0.5615875E+03  0.3628569E+12 Line 10( 22): nodal depth, y, M, V, p, EI
  0.1320000E+03  0.2414357E-01  0.3619878E+07 -0.9435992E+04 -0.5552352E+03  0.3629343E+12 Line 10( 23): nodal depth, y, M, V, p, EI
  0.1380000E+03  0.2037962E-01  0.3554774E+07 -0.1274285E+05 -0.5470497E+03  0.3630310E+12 Line 10( 24): nodal depth, y, M, V, p, EI
  0.1440000E+03  0.1696818E-01  0.3469834E+07 -0.1599461E+05 -0.5368724E+03  0.3631627E+12 Line 10( 25): nodal depth, y, M, V, p, EI
  0.1500000E+03  0.1390071E-01  0.3365430E+07 -0.1917874E+05 -0.5245037E+03  0.3633187E+12 Line 10( 26): nodal depth, y, M, V, p, EI
  0.1560000E+03  0.1116670E-01  0.3242010E+07 -0.2228130E+05 -0.5096816E+03  0.3634868E+12 Line 10( 27): nodal depth, y, M, V, p, EI
  0.1620000E+03  0.8753784E-02  0.3100113E+07 -0.2528648E+05 -0.4920454E+03  0.3636652E+12 Line 10( 28): nodal depth, y, M, V, p, EI
  0.1680000E+03  0.6647755E-02  0.2940380E+07 -0.2817581E+05 -0.4710663E+03  0.3638530E+12 Line 10( 29): nodal depth, y, M, V, p, EI
  0.1740000E+03  0.4832650E-02  0.2763572E+07 -0.3092674E+05 -0.4459075E+03  0.3640216E+12 Line 10( 30): nodal depth, y, M, V, p, EI
  0.1800000E+03  0.3290848E-02  0.2570602E+07 -0.3350975E+05 -0.4150983E+03  0.3641692E+12 Line 10( 31): nodal depth, y, M, V, p, EI
  0.1860000E+03  0.2003165E-02  0.2362587E+07 -0.3588189E+05 -0.3756137E+03  0.3642878E+12 Line 10( 32): nodal depth, y, M, V, p, EI
  0.1920000E+03  0.9489584E-03  0.2140956E+07 -0.3796631E+05 -0.3191932E+03  0.3643684E+12 Line 10( 33): nodal depth, y, M, V, p, EI
  0.1980000E+03  0.1062811E-03  0.1907750E+07 -0.3905881E+05 -0.4497445E+02  0.3644134E+12 Line 10( 34): nodal depth, y, M, V, p, EI
  0.2040000E+03 -0.5479316E-03  0.1672849E+07 -0.3848199E+05  0.2372493E+03  0.3644395E+12 Line 10( 35): nodal depth, y, M, V, p, EI
  0.2100000E+03 -0.1036897E-02  0.1446423E+07 -0.3672272E+05  0.3491729E+03  0.3644594E+12 Line 10( 36): nodal depth, y, M, V, p, EI
  0.2160000E+03 -0.1382991E-02  0.1232510E+07 -0.3452389E+05  0.3837709E+03  0.3644754E+12 Line 10( 37): nodal depth, y, M, V, p, EI
  0.2220000E+03 -0.1607346E-02  0.1032365E+07 -0.3215048E+05  0.4073645E+03  0.3644880E+12 Line 10( 38): nodal depth, y, M, V, p, EI
  0.2280000E+03 -0.1729736E-02  0.8468432E+06 -0.2965630E+05  0.4240286E+03  0.3644977E+12 Line 10( 39): nodal depth, y, M, V, p, EI
  0.2340000E+03 -0.1768487E-02  0.6765533E+06 -0.2707735E+05  0.4356245E+03  0.3645053E+12 Line 10( 40): nodal depth, y, M, V, p, EI
  0.2400000E+03 -0.1740419E-02  0.5219193E+06 -0.2444099E+05  0.4431607E+03  0.3645089E+12 Line 10( 41): nodal depth, y, M, V, p, EI
  0.2460000E+03 -0.1660804E-02  0.3832184E+06 -0.2176978E+05  0.4472422E+03  0.3645113E+12 Line 10( 42): nodal depth, y, M, V, p, EI
  0.2520000E+03 -0.1543342E-02  0.2606031E+06 -0.1908328E+05  0.4482580E+03  0.3645114E+12 Line 10( 43): nodal depth, y, M, V, p, EI
  0.2580000E+03 -0.1400142E-02  0.1541148E+06 -0.1639909E+05  0.4464705E+03  0.3645115E+12 Line 10( 44): nodal depth, y, M, V, p, EI
  0.2640000E+03 -0.1241722E-02  0.6369330E+05 -0.1373349E+05  0.4420631E+03  0.3645115E+12 Line 10( 45): nodal depth, y, M, V, p, EI
  0.2700000E+03 -0.1077011E-02 -0.1081642E+05 -0.1110180E+05  0.4351676E+03  0.3645115E+12 Line 10( 46): nodal depth, y, M, V, p, EI
  0.2760000E+03 -0.9133678E-03 -0.6965967E+05 -0.8518669E+04  0.4258770E+03  0.3645115E+12 Line 10( 47): nodal depth, y, M, V, p, EI
  0.2820000E+03 -0.7566047E-03 -0.1131686E+06 -0.5998289E+04  0.4142497E+03  0.3645115E+12 Line 10( 48): nodal depth, y, M, V, p, EI
  0.2880000E+03 -0.6110184E-03 -0.1417601E+06 -0.3693749E+04  0.3539303E+03  0.3645115E+12 Line 10( 49): nodal depth, y, M, V, p, EI
  0.2940000E+03 -0.4794327E-03 -0.1576045E+06 -0.1782897E+04  0.2830200E+03  0.3645115E+12 Line 10( 50): nodal depth, y, M, V, p, EI
  0.3000000E+03 -0.3634123E-03 -0.1632539E+06 -0.2780772E+03  0.2185867E+03  0.3645115E+12 Line 10( 51): nodal depth, y, M, V, p, EI
  0.3060000E+03 -0.2635152E-03 -0.1610277E+06  0.8620747E+03  0.1614639E+03  0.3645115E+12 Line 10( 52): nodal depth, y, M, V, p, EI
  0.3120000E+03 -0.1795217E-03 -0.1529825E+06  0.1682565E+04  0.1120328E+03  0.3645115E+12 Line 10( 53): nodal depth, y, M, V, p, EI
  0.3180000E+03 -0.1106370E-03 -0.1408981E+06  0.2229586E+04  0.7030768E+02  0.3645115E+12 Line 10( 54): nodal depth, y, M, V, p, EI
  0.3240000E+03 -0.5566774E-04 -0.1262770E+06  0.2548514E+04  0.3600169E+02  0.3645115E+12 Line 10( 55): nodal depth, y, M, V, p, EI
  0.3300000E+03 -0.1316991E-04 -0.1103549E+06  0.2682236E+04  0.8572113E+01  0.3645115E+12 Line 10( 56): nodal depth, y, M, V, p, EI
  0.3360000E+03  0.1842902E-04 -0.9411986E+05  0.2671736E+04 -0.1207202E+02  0.3645115E+12 Line 10( 57): nodal depth, y, M, V, p, EI
  0.3420000E+03  0.4073245E-04 -0.7831566E+05  0.2554964E+04 -0.2685205E+02  0.3645115E+12 Line 10( 58): nodal depth, y, M, V, p, EI
  0.3480000E+03  0.5530124E-04 -0.6347504E+05  0.2364345E+04 -0.3668750E+02  0.3645115E+12 Line 10( 59): nodal depth, y, M, V, p, EI
  0.3540000E+03  0.6360110E-04 -0.4995266E+05  0.2126902E+04 -0.4246012E+02  0.3645115E+12 Line 10( 60): nodal depth, y, M, V, p, EI
  0.3600000E+03  0.6696751E-04 -0.3795688E+05  0.1864557E+04 -0.4498849E+02  0.3645115E+12 Line 10( 61): nodal depth, y, M, V, p, EI
  0.3660000E+03  0.6658522E-04 -0.2757918E+05  0.1594557E+04 -0.4501146E+02  0.3645115E+12 Line 10( 62): nodal depth, y, M, V, p, EI
  0.3720000E+03  0.6347914E-04 -0.1882080E+05  0.1329986E+04 -0.4317894E+02  0.3645115E+12 Line 10( 63): nodal depth, y, M, V, p, EI
  0.3780000E+03  0.5851427E-04 -0.1161612E+05  0.1080303E+04 -0.4004849E+02  0.3645115E+12 Line 10( 64): nodal depth, y, M, V, p, EI
  0.3840000E+03  0.5240217E-04 -0.5852733E+04  0.8518982E+03 -0.3608652E+02  0.3645115E+12 Line 10( 65): nodal depth, y, M, V, p, EI
  0.3900000E+03  0.4571204E-04 -0.1388225E+04  0.6486204E+03 -0.3167274E+02  0.3645115E+12 Line 10( 66): nodal depth, y, M, V, p, EI
  0.3960000E+03  0.3888481E-04  0.1936120E+04  0.4722810E+03 -0.2710706E+02  0.3645115E+12 Line 10( 67): nodal depth, y, M, V, p, EI
  0.4020000E+03  0.3224879E-04  0.4284533E+04  0.3231062E+03 -0.2261787E+02  0.3645115E+12 Line 10( 68): nodal depth, y, M, V, p, EI
  0.4080000E+03  0.2603592E-04  0.5818534E+04  0.2001393E+03 -0.1837111E+02  0.3645115E+12 Line 10( 69): nodal depth, y, M, V, p, EI
  0.4140000E+03  0.2039771E-04  0.6690945E+04  0.1015871E+03 -0.1447960E+02  0.3645115E+12 Line 10( 70): nodal depth, y, M, V, p, EI
  0.4200000E+03  0.1542030E-04  0.7041826E+04  0.2511205E+02 -0.1101209E+02  0.3645115E+12 Line 10( 71): nodal depth, y, M, V, p, EI
  0.4260000E+03  0.1113837E-04  0.6995994E+04 -0.3192969E+02 -0.8001822E+01  0.3645115E+12 Line 10( 72): nodal depth, y, M, V, p, EI
  0.4320000E+03  0.7547372E-05  0.6661819E+04 -0.7229819E+02 -0.5454344E+01  0.3645115E+12 Line 10( 73): nodal depth, y, M, V, p, EI
  0.4380000E+03  0.4614314E-05  0.6131025E+04 -0.9872460E+02 -0.3354458E+01  0.3645115E+12 Line 10( 74): nodal depth, y, M, V, p, EI
  0.4440000E+03  0.2286769E-05  0.5479228E+04 -0.1138047E+03 -0.1672228E+01  0.3645115E+12 Line 10( 75): nodal depth, y, M, V, p, EI
  0.4500000E+03  0.5003659E-06  0.4767015E+04 -0.1199255E+03 -0.3680509E+00  0.3645115E+12 Line 10( 76): nodal depth, y, M, V, p, EI
  0.4560000E+03 -0.8152359E-06  0.4041363E+04 -0.1192201E+03  0.6031705E+00  0.3645115E+12 Line 10( 77): nodal depth, y, M, V, p, EI
  0.4620000E+03 -0.1731703E-05  0.3337266E+04 -0.1135445E+03  0.1288714E+01  0.3645115E+12 Line 10( 78): nodal depth, y, M, V, p, EI
  0.4680000E+03 -0.2318575E-05  0.2679431E+04 -0.1044719E+03  0.1735482E+01  0.3645115E+12 Line 10( 79): nodal depth, y, M, V, p, EI
  0.4740000E+03 -0.2640819E-05  0.2083967E+04 -0.9330107E+02  0.1988124E+01  0.3645115E+12 Line 10( 80): nodal depth, y, M, V, p, EI
  0.4800000E+03 -0.2757247E-05  0.1559993E+04 -0.8107348E+02  0.2087739E+01  0.3645115E+12 Line 10( 81): nodal depth, y, M, V, p, EI
  0.4860000E+03 -0.2719605E-05  0.1111117E+04 -0.6859708E+02  0.2071059E+01  0.3645115E+12 Line 10( 82): nodal depth, y, M, V, p, EI
  0.4920000E+03 -0.2572228E-05  0.7367543E+03 -0.5647383E+02  0.1970026E+01  0.3645115E+12 Line 10( 83): nodal depth, y, M, V, p, EI
  0.4980000E+03 -0.2352086E-05  0.4332838E+03 -0.4512870E+02  0.1811683E+01  0.3645115E+12 Line 10( 84): nodal depth, y, M, V, p, EI
  0.5040000E+03 -0.2089153E-05  0.1950167E+03 -0.3483879E+02  0.1618288E+01  0.3645115E+12 Line 10( 85): nodal depth, y, M, V, p, EI
  0.5100000E+03 -0.1806959E-05  0.1500022E+02 -0.2576110E+02  0.1407607E+01  0.3645115E+12 Line 10( 86): nodal depth, y, M, V, p, EI
  0.5160000E+03 -0.1523284E-05 -0.1143430E+03 -0.1795837E+02  0.1193306E+01  0.3645115E+12 Line 10( 87): nodal depth, y, M, V, p, EI
  0.5220000E+03 -0.1250902E-05 -0.2007226E+03 -0.1142218E+02  0.9854233E+00  0.3645115E+12 Line 10( 88): nodal depth, y, M, V, p, EI
  0.5280000E+03 -0.9983431E-06 -0.2516191E+03 -0.6093332E+01  0.7908589E+00  0.3645115E+12 Line 10( 89): nodal depth, y, M, V, p, EI
  0.5340000E+03 -0.7706350E-06 -0.2740347E+03 -0.1879137E+01  0.6138728E+00  0.3645115E+12 Line 10( 90): nodal depth, y, M, V, p, EI
  0.5400000E+03 -0.5699912E-06 -0.2743401E+03  0.1332166E+01  0.4565616E+00  0.3645115E+12 Line 10( 91): nodal depth, y, M, V, p, EI
  0.5460000E+03 -0.3964419E-06 -0.2581984E+03  0.3659761E+01  0.3193033E+00  0.3645115E+12 Line 10( 92): nodal depth, y, M, V, p, EI
  0.5520000E+03 -0.2483928E-06 -0.2305516E+03  0.5221158E+01  0.2011624E+00  0.3645115E+12 Line 10( 93): nodal depth, y, M, V, p, EI
  0.5580000E+03 -0.1231136E-06 -0.1956538E+03  0.6125398E+01  0.1002511E+00  0.3645115E+12 Line 10( 94): nodal depth, y, M, V, p, EI
  0.5640000E+03 -0.1715755E-07 -0.1571393E+03  0.6468294E+01  0.1404769E-01  0.3645115E+12 Line 10( 95): nodal depth, y, M, V, p, EI
  0.5700000E+03  0.7327905E-07 -0.1181128E+03  0.6329466E+01 -0.6032368E-01  0.3645115E+12 Line 10( 96): nodal depth, y, M, V, p, EI
  0.5760000E+03  0.1520506E-06 -0.8125337E+02  0.5770952E+01 -0.1258479E+00  0.3645115E+12 Line 10( 97): nodal depth, y, M, V, p, EI
  0.5820000E+03  0.2227973E-06 -0.4892122E+02  0.4837209E+01 -0.1853998E+00  0.3645115E+12 Line 10( 98): nodal depth, y, M, V, p, EI
  0.5880000E+03  0.2887124E-06 -0.2326153E+02  0.3556374E+01 -0.2415452E+00  0.3645115E+12 Line 10( 99): nodal depth, y, M, V, p, EI
  0.5940000E+03  0.3523302E-06 -0.6296552E+01  0.1942682E+01 -0.2963522E+00  0.3645115E+12 Line 10(100): nodal depth, y, M, V, p, EI
  0.6000000E+03  0.4153262E-06  0.0000000E+00  0.0000000E+00 -0.3512083E+00  0.0000000E+00 Line 10(101): nodal depth, y, M, V, p, EI
    0                                                                           Line 11: Num. points on Ytop vs. Length curve for load case 2
  0.4000000E+05  0.7848141E-01  0.2087468E+07  0.4000000E+05 -0.7681458E-03     Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)
  0.6000000E+05  0.1876979E+00  0.3693540E+07  0.6000000E+05 -0.1597347E-02     Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)
