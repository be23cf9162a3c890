    3    1    0    0                                                            Line 1 : i_Analysis_Type, IUNITS, KYL, ib_ComputeKmatrix_1T0F
    1                                                                           Line 2 : Total number of sections
    1                                                                           Line 3 : Total number of axial thrusts
   93            0.4000000E+02  0.7591987E+04                                   Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips), Section 1
  0.1222099E+03  0.3054338E+08  0.4001191E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=1
  0.2444198E+03  0.3054338E+08  0.8002382E-05                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=2
  0.3666297E+03  0.3054338E+08  0.1200357E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=3
  0.4888396E+03  0.3054338E+08  0.1600476E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=4
  0.6110495E+03  0.3054338E+08  0.2000596E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=5
  0.7332594E+03  0.3054338E+08  0.2400715E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=6
  0.8554693E+03  0.3054338E+08  0.2800834E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=7
  0.9776792E+03  0.3054338E+08  0.3200953E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=8
  0.1099889E+04  0.3054338E+08  0.3601072E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=9
  0.1222099E+04  0.3054338E+08  0.4001191E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=10
  0.1344309E+04  0.3054338E+08  0.4401310E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=11
  0.1466519E+04  0.3054338E+08  0.4801429E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=12
  0.1588729E+04  0.3054338E+08  0.5201549E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=13
  0.1710939E+04  0.3054338E+08  0.5601668E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=14
  0.1833149E+04  0.3054338E+08  0.6001787E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=15
  0.1955358E+04  0.3054338E+08  0.6401906E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=16
  0.2077568E+04  0.3054338E+08  0.6802025E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=17
  0.2199778E+04  0.3054338E+08  0.7202144E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=18
  0.2321988E+04  0.3054338E+08  0.7602263E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=19
  0.2444198E+04  0.3054338E+08  0.8002382E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=20
  0.2566408E+04  0.3054338E+08  0.8402501E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=21
  0.2688618E+04  0.3054338E+08  0.8802621E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=22
  0.2810828E+04  0.3054338E+08  0.9202740E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=23
  0.2933038E+04  0.3054338E+08  0.9602859E-04                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=24
  0.3055248E+04  0.3054338E+08  0.1000298E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=25
  0.3177458E+04  0.3054338E+08  0.1040310E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=26
  0.3299667E+04  0.3054338E+08  0.1080322E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=27
  0.3421877E+04  0.3054338E+08  0.1120334E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=28
  0.3544087E+04  0.3054338E+08  0.1160345E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=29
  0.3666297E+04  0.3054338E+08  0.1200357E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=30
  0.3788507E+04  0.3054338E+08  0.1240369E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=31
  0.3910717E+04  0.3054338E+08  0.1280381E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=32
  0.4032927E+04  0.3054338E+08  0.1320393E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=33
  0.4155137E+04  0.3054338E+08  0.1360405E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=34
  0.4277347E+04  0.3054338E+08  0.1400417E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=35
  0.4399557E+04  0.3054338E+08  0.1440429E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=36
  0.4521766E+04  0.3054338E+08  0.1480441E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=37
  0.4643976E+04  0.3054338E+08  0.1520453E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=38
  0.4766186E+04  0.3054338E+08  0.1560465E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=39
  0.5010606E+04  0.3054338E+08  0.1640488E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=40
  0.5255026E+04  0.3054338E+08  0.1720512E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=41
  0.5499446E+04  0.3054338E+08  0.1800536E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=42
  0.5743683E+04  0.3054241E+08  0.1880560E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=43
  0.5970773E+04  0.3045406E+08  0.1960584E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=44
  0.6161660E+04  0.3019522E+08  0.2040607E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=45
  0.6314116E+04  0.2977470E+08  0.2120631E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=46
  0.6436955E+04  0.2925018E+08  0.2200655E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=47
  0.6539988E+04  0.2867562E+08  0.2280679E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=48
  0.6629121E+04  0.2808113E+08  0.2360703E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=49
  0.6706203E+04  0.2747626E+08  0.2440727E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=50
  0.6774114E+04  0.2687340E+08  0.2520750E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=51
  0.6834595E+04  0.2627908E+08  0.2600774E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=52
  0.6888658E+04  0.2569630E+08  0.2680798E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=53
  0.6937172E+04  0.2512720E+08  0.2760822E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=54
  0.6980889E+04  0.2457328E+08  0.2840846E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=55
  0.7020469E+04  0.2403555E+08  0.2920870E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=56
  0.7056491E+04  0.2351463E+08  0.3000893E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=57
  0.7089466E+04  0.2301089E+08  0.3080917E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=58
  0.7119846E+04  0.2252445E+08  0.3160941E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=59
  0.7147782E+04  0.2205449E+08  0.3240965E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=60
  0.7173016E+04  0.2159904E+08  0.3320989E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=61
  0.7196642E+04  0.2116029E+08  0.3401012E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=62
  0.7218762E+04  0.2073739E+08  0.3481036E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=63
  0.7238746E+04  0.2032750E+08  0.3561060E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=64
  0.7257771E+04  0.1993300E+08  0.3641084E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=65
  0.7275269E+04  0.1955135E+08  0.3721108E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=66
  0.7291614E+04  0.1918275E+08  0.3801132E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=67
  0.7307039E+04  0.1882697E+08  0.3881155E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=68
  0.7321259E+04  0.1848252E+08  0.3961179E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=69
  0.7334799E+04  0.1815004E+08  0.4041203E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=70
  0.7347380E+04  0.1782814E+08  0.4121227E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=71
  0.7359209E+04  0.1751671E+08  0.4201251E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=72
  0.7370556E+04  0.1721580E+08  0.4281275E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=73
  0.7380860E+04  0.1692354E+08  0.4361298E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=74
  0.7391006E+04  0.1664145E+08  0.4441322E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=75
  0.7400273E+04  0.1636741E+08  0.4521346E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=76
  0.7409155E+04  0.1610206E+08  0.4601370E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=77
  0.7417699E+04  0.1584507E+08  0.4681394E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=78
  0.7425532E+04  0.1559521E+08  0.4761417E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=79
  0.7453662E+04  0.1466820E+08  0.5081513E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=80
  0.7476865E+04  0.1384192E+08  0.5401608E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=81
  0.7496102E+04  0.1310117E+08  0.5721703E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=82
  0.7512221E+04  0.1243375E+08  0.6041799E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=83
  0.7525957E+04  0.1182974E+08  0.6361894E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=84
  0.7537895E+04  0.1128091E+08  0.6681989E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=85
  0.7548087E+04  0.1077977E+08  0.7002085E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=86
  0.7556805E+04  0.1032043E+08  0.7322180E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=87
  0.7564638E+04  0.9898411E+07  0.7642275E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=88
  0.7571373E+04  0.9508944E+07  0.7962370E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=89
  0.7577502E+04  0.9148849E+07  0.8282466E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=90
  0.7582816E+04  0.8814603E+07  0.8602561E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=91
  0.7587690E+04  0.8503847E+07  0.8922656E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=92
  0.7591987E+04  0.8213990E+07  0.9242752E-03                                   Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=93
    2                                                                           Line 6 : number of output p-y curves
  0.6000000E+02   17                                                            Line 7:  p-y curve depth in user-input p-y curve, no. p-y points on curve no. 1
  0.0000000E+00  0.0000000E+00                                                  Line 8(1): y, p, for user-input p-y curve
  0.1000000E-02  0.2500000E+01                                                  Line 8(2): y, p, for user-input p-y curve
  0.1125000E+00  0.2669444E+03                                                  Line 8(3): y, p, for user-input p-y curve
  0.2250000E+00  0.4194444E+03                                                  Line 8(4): y, p, for user-input p-y curve
  0.3375000E+00  0.5221667E+03                                                  Line 8(5): y, p, for user-input p-y curve
  0.4500000E+00  0.6106667E+03                                                  Line 8(6): y, p, for user-input p-y curve
  0.5625000E+00  0.6745833E+03                                                  Line 8(7): y, p, for user-input p-y curve
  0.6750000E+00  0.7188333E+03                                                  Line 8(8): y, p, for user-input p-y curve
  0.7875000E+00  0.7630833E+03                                                  Line 8(9): y, p, for user-input p-y curve
  0.9000000E+00  0.8073333E+03                                                  Line 8(10): y, p, for user-input p-y curve
  0.1012500E+01  0.8476250E+03                                                  Line 8(11): y, p, for user-input p-y curve
  0.1125000E+01  0.8562500E+03                                                  Line 8(12): y, p, for user-input p-y curve
  0.1237500E+01  0.8648750E+03                                                  Line 8(13): y, p, for user-input p-y curve
  0.1350000E+01  0.8735000E+03                                                  Line 8(14): y, p, for user-input p-y curve
  0.3600000E+01  0.1000000E+04                                                  Line 8(15): y, p, for user-input p-y curve
  0.6750000E+01  0.1000000E+04                                                  Line 8(16): y, p, for user-input p-y curve
  0.9000000E+01  0.1000000E+04                                                  Line 8(17): y, p, for user-input p-y curve
  0.2400000E+03   17                                                            Line 7:  p-y curve depth in soft clay, no. p-y points on curve no. 2
  0.0000000E+00  0.0000000E+00                                                  Line 8(1): y, p, for soft clay
  0.2175000E-01  0.1749915E+03                                                  Line 8(2): y, p, for soft clay
  0.5437500E-01  0.2375000E+03                                                  Line 8(3): y, p, for soft clay
  0.1087500E+00  0.2992312E+03                                                  Line 8(4): y, p, for soft clay
  0.1631250E+00  0.3425343E+03                                                  Line 8(5): y, p, for soft clay
  0.2175000E+00  0.3770077E+03                                                  Line 8(6): y, p, for soft clay
  0.4350000E+00  0.4750000E+03                                                  Line 8(7): y, p, for soft clay
  0.6525000E+00  0.5437393E+03                                                  Line 8(8): y, p, for soft clay
  0.8700000E+00  0.5984625E+03                                                  Line 8(9): y, p, for soft clay
  0.1087500E+01  0.6446742E+03                                                  Line 8(10): y, p, for soft clay
  0.1305000E+01  0.6850686E+03                                                  Line 8(11): y, p, for soft clay
  0.1740000E+01  0.7540155E+03                                                  Line 8(12): y, p, for soft clay
  0.2175000E+01  0.8122386E+03                                                  Line 8(13): y, p, for soft clay
  0.2610000E+01  0.8631323E+03                                                  Line 8(14): y, p, for soft clay
  0.3045000E+01  0.9086423E+03                                                  Line 8(15): y, p, for soft clay
  0.3480000E+01  0.9500000E+03                                                  Line 8(16): y, p, for soft clay
  0.3697500E+01  0.9500000E+03                                                  Line 8(17): y, p, for soft clay
    1  101    1                                                                 Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI
  0.0000000E+00  0.1828040E+00  0.7064576E-07  0.1500000E+05 -0.2217650E+03  0.3054338E+11 Line 10(  1): nodal depth, y, M, V, p, EI
  0.6000000E+01  0.1702150E+00  0.8651179E+05  0.1366184E+05 -0.2242873E+03  0.3054338E+11 Line 10(  2): nodal depth, y, M, V, p, EI
  0.1200000E+02  0.1577279E+00  0.1649452E+06  0.1231195E+05 -0.2256770E+03  0.3054338E+11 Line 10(  3): nodal depth, y, M, V, p, EI
  0.1800000E+02  0.1454353E+00  0.2352464E+06  0.1095679E+05 -0.2260427E+03  0.3054338E+11 Line 10(  4): nodal depth, y, M, V, p, EI
  0.2400000E+02  0.1334199E+00  0.2973990E+06  0.9602160E+04 -0.2255010E+03  0.3054338E+11 Line 10(  5): nodal depth, y, M, V, p, EI
  0.3000000E+02  0.1217551E+00  0.3514195E+06  0.8253136E+04 -0.2241739E+03  0.3054338E+11 Line 10(  6): nodal depth, y, M, V, p, EI
  0.3600000E+02  0.1105045E+00  0.3973532E+06  0.6914055E+04 -0.2221866E+03  0.3054338E+11 Line 10(  7): nodal depth, y, M, V, p, EI
  0.4200000E+02  0.9972216E-01  0.4352695E+06  0.5589329E+04 -0.2193887E+03  0.3054338E+11 Line 10(  8): nodal depth, y, M, V, p, EI
  0.4800000E+02  0.8945290E-01  0.4652672E+06  0.4313937E+04 -0.2057417E+03  0.3054338E+11 Line 10(  9): nodal depth, y, M, V, p, EI
  0.5400000E+02  0.7973202E-01  0.4878363E+06  0.3122642E+04 -0.1913569E+03  0.3054338E+11 Line 10( 10): nodal depth, y, M, V, p, EI
  0.6000000E+02  0.7058614E-01  0.5034936E+06  0.2019175E+04 -0.1764654E+03  0.3054338E+11 Line 10( 11): nodal depth, y, M, V, p, EI
  0.6600000E+02  0.6203370E-01  0.5127744E+06  0.1005916E+04 -0.1612876E+03  0.3054338E+11 Line 10( 12): nodal depth, y, M, V, p, EI
  0.7200000E+02  0.5408564E-01  0.5162246E+06  0.8395970E+02 -0.1460312E+03  0.3054338E+11 Line 10( 13): nodal depth, y, M, V, p, EI
  0.7800000E+02  0.4674603E-01  0.5143934E+06 -0.7468007E+03 -0.1308889E+03  0.3054338E+11 Line 10( 14): nodal depth, y, M, V, p, EI
  0.8400000E+02  0.4001271E-01  0.5078259E+06 -0.1487578E+04 -0.1160369E+03  0.3054338E+11 Line 10( 15): nodal depth, y, M, V, p, EI
  0.9000000E+02  0.3387795E-01  0.4970572E+06 -0.2140590E+04 -0.1016338E+03  0.3054338E+11 Line 10( 16): nodal depth, y, M, V, p, EI
  0.9600000E+02  0.2832903E-01  0.4826062E+06 -0.2708952E+04 -0.8782001E+02  0.3054338E+11 Line 10( 17): nodal depth, y, M, V, p, EI
  0.1020000E+03  0.2334895E-01  0.4649709E+06 -0.3196562E+04 -0.7471663E+02  0.3054338E+11 Line 10( 18): nodal depth, y, M, V, p, EI
  0.1080000E+03  0.1891690E-01  0.4446239E+06 -0.3607989E+04 -0.6242576E+02  0.3054338E+11 Line 10( 19): nodal depth, y, M, V, p, EI
  0.1140000E+03  0.1500891E-01  0.4220087E+06 -0.3948357E+04 -0.5103028E+02  0.3054338E+11 Line 10( 20): nodal depth, y, M, V, p, EI
  0.1200000E+03  0.1159832E-01  0.3975364E+06 -0.4223230E+04 -0.4059410E+02  0.3054338E+11 Line 10( 21): nodal depth, y, M, V, p, EI
  0.1260000E+03  0.8656282E-02  0.3715840E+06 -0.4438500E+04 -0.3116261E+02  0.3054338E+11 Line 10( 22): nodal depth, y, M, V, p, EI
  0.1320000E+03  0.6152216E-02  0.3444922E+06 -0.4600278E+04 -0.2276320E+02  0.3054338E+11 Line 10( 23): nodal depth, y, M, V, p, EI
  0.1380000E+03  0.4054186E-02  0.3165648E+06 -0.4714785E+04 -0.1540591E+02  0.3054338E+11 Line 10( 24): nodal depth, y, M, V, p, EI
  0.1440000E+03  0.2329276E-02  0.2880677E+06 -0.4788255E+04 -0.9084177E+01  0.3054338E+11 Line 10( 25): nodal depth, y, M, V, p, EI
  0.1500000E+03  0.9438977E-03  0.2592301E+06 -0.4826834E+04 -0.3775591E+01  0.3054338E+11 Line 10( 26): nodal depth, y, M, V, p, EI
  0.1560000E+03 -0.1359390E-03  0.2302443E+06 -0.4836489E+04  0.5573498E+00  0.3054338E+11 Line 10( 27): nodal depth, y, M, V, p, EI
  0.1620000E+03 -0.9443978E-03  0.2012678E+06 -0.4822918E+04  0.3966471E+01  0.3054338E+11 Line 10( 28): nodal depth, y, M, V, p, EI
  0.1680000E+03 -0.1515632E-02  0.1724245E+06 -0.4791467E+04  0.6517218E+01  0.3054338E+11 Line 10( 29): nodal depth, y, M, V, p, EI
  0.1740000E+03 -0.1883638E-02  0.1438077E+06 -0.4747051E+04  0.8288007E+01  0.3054338E+11 Line 10( 30): nodal depth, y, M, V, p, EI
  0.1800000E+03 -0.2082144E-02  0.1154826E+06 -0.4496569E+04  0.7520601E+02  0.3054338E+11 Line 10( 31): nodal depth, y, M, V, p, EI
  0.1860000E+03 -0.2144537E-02  0.8985935E+05 -0.4041589E+04  0.7645404E+02  0.3054338E+11 Line 10( 32): nodal depth, y, M, V, p, EI
  0.1920000E+03 -0.2101017E-02  0.6698425E+05 -0.3582894E+04  0.7644435E+02  0.3054338E+11 Line 10( 33): nodal depth, y, M, V, p, EI
  0.1980000E+03 -0.1978546E-02  0.4685799E+05 -0.3127245E+04  0.7543837E+02  0.3054338E+11 Line 10( 34): nodal depth, y, M, V, p, EI
  0.2040000E+03 -0.1800846E-02  0.2944530E+05 -0.2680101E+04  0.7360996E+02  0.3054338E+11 Line 10( 35): nodal depth, y, M, V, p, EI
  0.2100000E+03 -0.1588440E-02  0.1468118E+05 -0.2246022E+04  0.7108282E+02  0.3054338E+11 Line 10( 36): nodal depth, y, M, V, p, EI
  0.2160000E+03 -0.1358730E-02  0.2475350E+04 -0.1828926E+04  0.6794938E+02  0.3054338E+11 Line 10( 37): nodal depth, y, M, V, p, EI
  0.2220000E+03 -0.1126103E-02 -0.7284420E+04 -0.1432234E+04  0.6428113E+02  0.3054338E+11 Line 10( 38): nodal depth, y, M, V, p, EI
  0.2280000E+03 -0.9020609E-03 -0.1472973E+05 -0.1058987E+04  0.6013446E+02  0.3054338E+11 Line 10( 39): nodal depth, y, M, V, p, EI
  0.2340000E+03 -0.6953804E-03 -0.2000950E+05 -0.7119233E+03  0.5555354E+02  0.3054338E+11 Line 10( 40): nodal depth, y, M, V, p, EI
  0.2400000E+03 -0.5122840E-03 -0.2328840E+05 -0.3935505E+03  0.5057073E+02  0.3054338E+11 Line 10( 41): nodal depth, y, M, V, p, EI
  0.2460000E+03 -0.3566366E-03 -0.2474565E+05 -0.1062277E+03  0.4520354E+02  0.3054338E+11 Line 10( 42): nodal depth, y, M, V, p, EI
  0.2520000E+03 -0.2301556E-03 -0.2457441E+05  0.1477164E+03  0.3944449E+02  0.3054338E+11 Line 10( 43): nodal depth, y, M, V, p, EI
  0.2580000E+03 -0.1326394E-03 -0.2298201E+05  0.3657429E+03  0.3323098E+02  0.3054338E+11 Line 10( 44): nodal depth, y, M, V, p, EI
  0.2640000E+03 -0.6221088E-04 -0.2019222E+05  0.5444625E+03  0.2634225E+02  0.3054338E+11 Line 10( 45): nodal depth, y, M, V, p, EI
  0.2700000E+03 -0.1558198E-04 -0.1645315E+05  0.6773280E+03  0.1794624E+02  0.3054338E+11 Line 10( 46): nodal depth, y, M, V, p, EI
  0.2760000E+03  0.1165440E-04 -0.1206723E+05  0.6904329E+03 -0.1357794E+02  0.3054338E+11 Line 10( 47): nodal depth, y, M, V, p, EI
  0.2820000E+03  0.2466772E-04 -0.8169560E+04  0.5938915E+03 -0.1860254E+02  0.3054338E+11 Line 10( 48): nodal depth, y, M, V, p, EI
  0.2880000E+03  0.2805198E-04 -0.4941193E+04  0.4785792E+03 -0.1983488E+02  0.3054338E+11 Line 10( 49): nodal depth, y, M, V, p, EI
  0.2940000E+03  0.2561229E-04 -0.2426647E+04  0.3603873E+03 -0.1956243E+02  0.3054338E+11 Line 10( 50): nodal depth, y, M, V, p, EI
  0.3000000E+03  0.2031242E-04 -0.6162353E+03  0.2463748E+03 -0.1844175E+02  0.3054338E+11 Line 10( 51): nodal depth, y, M, V, p, EI
  0.3060000E+03  0.1428624E-04  0.5303029E+03  0.1405450E+03 -0.1683483E+02  0.3054338E+11 Line 10( 52): nodal depth, y, M, V, p, EI
  0.3120000E+03  0.8885089E-05  0.1070762E+04  0.4487563E+02 -0.1505497E+02  0.3054338E+11 Line 10( 53): nodal depth, y, M, V, p, EI
  0.3180000E+03  0.4745998E-05  0.1069192E+04 -0.1277822E+02 -0.4162983E+01  0.3054338E+11 Line 10( 54): nodal depth, y, M, V, p, EI
  0.3240000E+03  0.1867112E-05  0.9177041E+03 -0.3022251E+02 -0.1651780E+01  0.3054338E+11 Line 10( 55): nodal depth, y, M, V, p, EI
  0.3300000E+03  0.6987886E-07  0.7067089E+03 -0.3536489E+02 -0.6234875E-01  0.3054338E+11 Line 10( 56): nodal depth, y, M, V, p, EI
  0.3360000E+03 -0.8943906E-06  0.4934359E+03 -0.3313745E+02  0.8048310E+00  0.3054338E+11 Line 10( 57): nodal depth, y, M, V, p, EI
  0.3420000E+03 -0.1277071E-05  0.3091135E+03 -0.2724595E+02  0.1159000E+01  0.3054338E+11 Line 10( 58): nodal depth, y, M, V, p, EI
  0.3480000E+03 -0.1295415E-05  0.1665005E+03 -0.2021194E+02  0.1185671E+01  0.3054338E+11 Line 10( 59): nodal depth, y, M, V, p, EI
  0.3540000E+03 -0.1117512E-05  0.6656380E+02 -0.1356028E+02  0.1031549E+01  0.3054338E+11 Line 10( 60): nodal depth, y, M, V, p, EI
  0.3600000E+03 -0.8611540E-06  0.3759750E+01 -0.8060614E+01  0.8016728E+00  0.3054338E+11 Line 10( 61): nodal depth, y, M, V, p, EI
  0.3660000E+03 -0.6003645E-06 -0.3018425E+02 -0.3964659E+01  0.5636454E+00  0.3054338E+11 Line 10( 62): nodal depth, y, M, V, p, EI
  0.3720000E+03 -0.3751518E-06 -0.4383560E+02 -0.1208133E+01  0.3551966E+00  0.3054338E+11 Line 10( 63): nodal depth, y, M, V, p, EI
  0.3780000E+03 -0.2016059E-06 -0.4469780E+02  0.4349593E+00  0.1925007E+00  0.3054338E+11 Line 10( 64): nodal depth, y, M, V, p, EI
  0.3840000E+03 -0.8074311E-07 -0.3862786E+02  0.1245710E+01  0.7774965E-01  0.3054338E+11 Line 10( 65): nodal depth, y, M, V, p, EI
  0.3900000E+03 -0.5409138E-08 -0.2975712E+02  0.1494717E+01  0.5252686E-02  0.3054338E+11 Line 10( 66): nodal depth, y, M, V, p, EI
  0.3960000E+03  0.3485156E-07 -0.2069588E+02  0.1408086E+01 -0.3412973E-01  0.3054338E+11 Line 10( 67): nodal depth, y, M, V, p, EI
  0.4020000E+03  0.5071904E-07 -0.1286233E+02  0.1155432E+01 -0.5008824E-01  0.3054338E+11 Line 10( 68): nodal depth, y, M, V, p, EI
  0.4080000E+03  0.5142630E-07 -0.6831355E+01  0.8515211E+00 -0.5121549E-01  0.3054338E+11 Line 10( 69): nodal depth, y, M, V, p, EI
  0.4140000E+03  0.4408178E-07 -0.2643814E+01  0.5650603E+00 -0.4427143E-01  0.3054338E+11 Line 10( 70): nodal depth, y, M, V, p, EI
  0.4200000E+03  0.3362113E-07 -0.4991923E-01  0.3300948E+00 -0.3405041E-01  0.3054338E+11 Line 10( 71): nodal depth, y, M, V, p, EI
  0.4260000E+03  0.2310163E-07  0.1318163E+01  0.1571625E+00 -0.2359370E-01  0.3054338E+11 Line 10( 72): nodal depth, y, M, V, p, EI
  0.4320000E+03  0.1413580E-07  0.1836810E+01  0.4270610E-01 -0.1455842E-01  0.3054338E+11 Line 10( 73): nodal depth, y, M, V, p, EI
  0.4380000E+03  0.7334916E-08  0.1831267E+01 -0.2382247E-01 -0.7617767E-02  0.3054338E+11 Line 10( 74): nodal depth, y, M, V, p, EI
  0.4440000E+03  0.2692461E-08  0.1551398E+01 -0.5513518E-01 -0.2819800E-02  0.3054338E+11 Line 10( 75): nodal depth, y, M, V, p, EI
  0.4500000E+03 -0.1214360E-09  0.1169943E+01 -0.6320983E-01  0.1282480E-03  0.3054338E+11 Line 10( 76): nodal depth, y, M, V, p, EI
  0.4560000E+03 -0.1556379E-08  0.7930497E+00 -0.5785262E-01  0.1657490E-02  0.3054338E+11 Line 10( 77): nodal depth, y, M, V, p, EI
  0.4620000E+03 -0.2056592E-08  0.4757888E+00 -0.4625439E-01  0.2208586E-02  0.3054338E+11 Line 10( 78): nodal depth, y, M, V, p, EI
  0.4680000E+03 -0.1996017E-08  0.2380146E+00 -0.3314407E-01  0.2161520E-02  0.3054338E+11 Line 10( 79): nodal depth, y, M, V, p, EI
  0.4740000E+03 -0.1654905E-08  0.7804384E-01 -0.2123805E-01  0.1807156E-02  0.3054338E+11 Line 10( 80): nodal depth, y, M, V, p, EI
  0.4800000E+03 -0.1221806E-08 -0.1687297E-01 -0.1178038E-01  0.1345399E-02  0.3054338E+11 Line 10( 81): nodal depth, y, M, V, p, EI
  0.4860000E+03 -0.8085955E-09 -0.6335462E-01 -0.5050631E-02  0.8978520E-03  0.3054338E+11 Line 10( 82): nodal depth, y, M, V, p, EI
  0.4920000E+03 -0.4700576E-09 -0.7751061E-01 -0.7781209E-03  0.5263179E-03  0.3054338E+11 Line 10( 83): nodal depth, y, M, V, p, EI
  0.4980000E+03 -0.2228776E-09 -0.7271550E-01  0.1555764E-02  0.2516438E-03  0.3054338E+11 Line 10( 84): nodal depth, y, M, V, p, EI
  0.5040000E+03 -0.6140390E-10 -0.5885778E-01  0.2520425E-02  0.6990971E-04  0.3054338E+11 Line 10( 85): nodal depth, y, M, V, p, EI
  0.5100000E+03  0.3069702E-10 -0.4248054E-01  0.2624428E-02 -0.3524186E-04  0.3054338E+11 Line 10( 86): nodal depth, y, M, V, p, EI
  0.5160000E+03  0.7272818E-10 -0.2737001E-01  0.2266118E-02 -0.8419489E-04  0.3054338E+11 Line 10( 87): nodal depth, y, M, V, p, EI
  0.5220000E+03  0.8249965E-10 -0.1528920E-01  0.1724614E-02 -0.9630636E-04  0.3054338E+11 Line 10( 88): nodal depth, y, M, V, p, EI
  0.5280000E+03  0.7425048E-10 -0.6674695E-02  0.1173489E-02 -0.8740206E-04  0.3054338E+11 Line 10( 89): nodal depth, y, M, V, p, EI
  0.5340000E+03  0.5813417E-10 -0.1206352E-02  0.7042715E-03 -0.6900382E-04  0.3054338E+11 Line 10( 90): nodal depth, y, M, V, p, EI
  0.5400000E+03  0.4059600E-10  0.1777910E-02  0.3514911E-03 -0.4858967E-04  0.3054338E+11 Line 10( 91): nodal depth, y, M, V, p, EI
  0.5460000E+03  0.2515335E-10  0.3012860E-02  0.1146475E-03 -0.3035819E-04  0.3054338E+11 Line 10( 92): nodal depth, y, M, V, p, EI
  0.5520000E+03  0.1326182E-10  0.3154773E-02 -0.2484698E-04 -0.1613996E-04  0.3054338E+11 Line 10( 93): nodal depth, y, M, V, p, EI
  0.5580000E+03  0.5088672E-11  0.2715498E-02 -0.9200147E-04 -0.6244867E-05  0.3054338E+11 Line 10( 94): nodal depth, y, M, V, p, EI
  0.5640000E+03  0.1161459E-12  0.2051281E-02 -0.1111673E-03 -0.1437284E-06  0.3054338E+11 Line 10( 95): nodal depth, y, M, V, p, EI
  0.5700000E+03 -0.2438635E-11  0.1381792E-02 -0.1024694E-03  0.3043028E-05  0.3054338E+11 Line 10( 96): nodal depth, y, M, V, p, EI
  0.5760000E+03 -0.3364765E-11  0.8217878E-03 -0.8063874E-04  0.4233844E-05  0.3054338E+11 Line 10( 97): nodal depth, y, M, V, p, EI
  0.5820000E+03 -0.3322294E-11  0.4141628E-03 -0.5529098E-04  0.4215410E-05  0.3054338E+11 Line 10( 98): nodal depth, y, M, V, p, EI
  0.5880000E+03 -0.2791669E-11  0.1582730E-03 -0.3192932E-04  0.3571810E-05  0.3054338E+11 Line 10( 99): nodal depth, y, M, V, p, EI
  0.5940000E+03 -0.2074495E-11  0.3096100E-04 -0.1318452E-04  0.2676458E-05  0.3054338E+11 Line 10(100): nodal depth, y, M, V, p, EI
  0.6000000E+03 -0.1320829E-11  0.0000000E+00  0.0000000E+00  0.1718381E-05  0.0000000E+00 Line 10(101): nodal depth, y, M, V, p, EI
    0                                                                           Line 11: Num. points on Ytop vs. Length curve for load case 1
  0.1500000E+05  0.1828040E+00  0.5162246E+06  0.1500000E+05 -0.2098170E-02     Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)
